#pragma once

#include <QWidget>

class QToolButton;

namespace velorin {

// First, prior, next and last record buttons.
class Navigateur : public QWidget {
    Q_OBJECT
public:
    explicit Navigateur(QWidget* parent = nullptr);

signals:
    void premier();
    void precedent();
    void suivant();
    void dernier();

private:
    QToolButton* bouton(const QString& nom, const QString& texte, const QString& bulle);
};

} // namespace velorin
