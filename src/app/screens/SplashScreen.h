#pragma once

#include "app/Progression.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace velorin {

// Start-up window: logo, a loading line, and the progress of the verification and repairs.
class TSplashScreen : public QWidget, public Progression {
    Q_OBJECT
public:
    explicit TSplashScreen(QWidget* parent = nullptr);

    void setLibelle(const QString& texte) override;
    void setMaximum(int maximum) override;
    int maximum() const override;
    void setPosition(int position) override;
    int position() const override;
    void traiterEvenements() override;

    QLabel* lbProgression() const { return lbProgression_; }
    QProgressBar* BarreProg() const { return barreProg_; }

private:
    QLabel* lbProgression_;
    QProgressBar* barreProg_;
};

} // namespace velorin
