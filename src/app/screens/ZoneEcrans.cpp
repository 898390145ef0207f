#include "app/screens/ZoneEcrans.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace velorin {

ZoneEcrans::ZoneEcrans(QWidget* parent)
    : QMdiArea(parent)
    , titre_(0xFC, 0xCE, 0x45)
    , sousTitre_(0x47, 0x5C, 0xEF)
{
    setObjectName(QStringLiteral("ZoneEcrans"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void ZoneEcrans::setCouleurs(const QColor& titre, const QColor& sousTitre)
{
    titre_ = titre;
    sousTitre_ = sousTitre;
    viewport()->update();
}

QFont ZoneEcrans::policeTitre() const
{
    QFont police = font();
    police.setBold(true);
    // Large on a large screen, still whole on a small one.
    police.setPixelSize(qBound(40, viewport()->height() / 7, 120));
    return police;
}

QFont ZoneEcrans::policeSousTitre() const
{
    QFont police = font();
    police.setItalic(true);
    police.setPixelSize(qMax(16, policeTitre().pixelSize() * 3 / 10));
    return police;
}

QRect ZoneEcrans::rectTitre() const
{
    const int hauteurTitre = QFontMetrics(policeTitre()).height();
    const int hauteurSousTitre = QFontMetrics(policeSousTitre()).height();
    const int haut = (viewport()->height() - hauteurTitre - hauteurSousTitre) / 2;
    return {0, haut, viewport()->width(), hauteurTitre};
}

QRect ZoneEcrans::rectSousTitre() const
{
    const QRect titre = rectTitre();
    return {0, titre.bottom() + 1, viewport()->width(), QFontMetrics(policeSousTitre()).height()};
}

void ZoneEcrans::paintEvent(QPaintEvent*)
{
    QPainter peintre(viewport());
    peintre.setRenderHint(QPainter::Antialiasing);
    const QRect zone = viewport()->rect();
    QLinearGradient degrade(zone.topLeft(), zone.bottomLeft());
    degrade.setColorAt(0, sousTitre_);
    degrade.setColorAt(1, titre_);
    peintre.fillRect(zone, degrade);

    // The title: its colour outlined with a dark shade of the subtitle's, so that it reads
    // over any part of the gradient.
    const QRect rTitre = rectTitre();
    const QFont pTitre = policeTitre();
    const QFontMetrics mTitre(pTitre);
    const int largeurTitre = mTitre.horizontalAdvance(texteTitre());
    const QPointF origine((zone.width() - largeurTitre) / 2.0, rTitre.top() + mTitre.ascent());
    QPainterPath chemin;
    chemin.addText(origine, pTitre, texteTitre());
    peintre.save();
    peintre.translate(3, 3);
    peintre.fillPath(chemin, QColor(0, 0, 0, 70));
    peintre.restore();
    peintre.setPen(
        QPen(sousTitre_.darker(260), qMax(2.0, pTitre.pixelSize() / 28.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    peintre.setBrush(titre_);
    peintre.drawPath(chemin);

    // The subtitle on a light band, in its own colour.
    const QRect rSousTitre = rectSousTitre();
    const QFont pSousTitre = policeSousTitre();
    const int largeurSousTitre = QFontMetrics(pSousTitre).horizontalAdvance(texteSousTitre());
    const int marge = pSousTitre.pixelSize();
    const QRect bande((zone.width() - largeurSousTitre) / 2 - marge, rSousTitre.top() + 4, largeurSousTitre + 2 * marge,
        rSousTitre.height());
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(QColor(255, 255, 255, 170));
    peintre.drawRoundedRect(bande, bande.height() / 2.0, bande.height() / 2.0);
    peintre.setFont(pSousTitre);
    peintre.setPen(sousTitre_.darker(130));
    peintre.drawText(bande, Qt::AlignCenter, texteSousTitre());
}

} // namespace velorin
