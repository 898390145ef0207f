#include "ui/PanneauDegrade.h"

#include <QLinearGradient>
#include <QPainter>

namespace velorin {

PanneauDegrade::PanneauDegrade(QWidget* parent) : QFrame(parent) { setFrameShape(QFrame::NoFrame); }

void PanneauDegrade::setCouleurs(const QColor& debut, const QColor& fin)
{
    debut_ = debut;
    fin_ = fin;
    update();
}

void PanneauDegrade::paintEvent(QPaintEvent* evenement)
{
    QPainter peintre(this);
    QLinearGradient degrade(rect().topLeft(), rect().topRight());
    degrade.setColorAt(0, debut_);
    degrade.setColorAt(1, fin_);
    peintre.fillRect(rect(), degrade);
    peintre.end();
    QFrame::paintEvent(evenement);
}

} // namespace velorin
