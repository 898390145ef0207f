#pragma once

#include <QColor>
#include <QFrame>

namespace velorin {

// A panel whose background is a horizontal colour gradient; the bottom bar of every screen.
class PanneauDegrade : public QFrame {
    Q_OBJECT
public:
    explicit PanneauDegrade(QWidget* parent = nullptr);

    void setCouleurs(const QColor& debut, const QColor& fin);
    QColor couleurDebut() const { return debut_; }
    QColor couleurFin() const { return fin_; }

protected:
    void paintEvent(QPaintEvent* evenement) override;

private:
    QColor debut_ = Qt::white;
    QColor fin_ = Qt::lightGray;
};

} // namespace velorin
