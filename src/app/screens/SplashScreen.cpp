#include "app/screens/SplashScreen.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QScreen>
#include <QVBoxLayout>

namespace velorin {

namespace {
// The product logo: a little house with a lit window, and the program's name.
class Logo : public QWidget {
public:
    explicit Logo(QWidget* parent) : QWidget(parent) { setFixedHeight(78); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF maison(16, 14, 52, 52);
        QPainterPath toit;
        toit.moveTo(maison.left() - 6, maison.top() + 22);
        toit.lineTo(maison.center().x(), maison.top());
        toit.lineTo(maison.right() + 6, maison.top() + 22);
        toit.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xB2, 0x3A, 0x2E));
        p.drawPath(toit);
        p.setBrush(QColor(0xF3, 0xE3, 0xC3));
        p.drawRect(QRectF(maison.left(), maison.top() + 22, maison.width(), 30));
        p.setBrush(QColor(0xFC, 0xCE, 0x45));
        p.drawRect(QRectF(maison.left() + 9, maison.top() + 29, 12, 10));
        p.setBrush(QColor(0x47, 0x5C, 0xEF));
        p.drawRect(QRectF(maison.left() + 30, maison.top() + 32, 12, 20));

        QFont titre = font();
        titre.setPointSize(22);
        titre.setBold(true);
        p.setFont(titre);
        p.setPen(QColor(0x2B, 0x3A, 0x67));
        p.drawText(QRectF(90, 6, width() - 96, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Velorin"));
        QFont sousTitre = font();
        sousTitre.setPointSize(10);
        p.setFont(sousTitre);
        p.setPen(QColor(0x47, 0x5C, 0xEF));
        p.drawText(QRectF(92, 44, width() - 96, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   QGuiApplication::applicationDisplayName());
    }
};
} // namespace

TSplashScreen::TSplashScreen(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TSplashScreen"));
    setFixedSize(411, 200);
    setAutoFillBackground(true);
    QPalette fond = palette();
    fond.setColor(QPalette::Window, Qt::white);
    setPalette(fond);

    auto* cadre = new QFrame(this);
    cadre->setFrameShape(QFrame::Box);
    cadre->setStyleSheet(QStringLiteral("QFrame#cadre { border: 1px solid #8A9BC4; background: white; }"));
    cadre->setObjectName(QStringLiteral("cadre"));
    auto* externe = new QVBoxLayout(this);
    externe->setContentsMargins(0, 0, 0, 0);
    externe->addWidget(cadre);

    auto* disposition = new QVBoxLayout(cadre);
    disposition->setContentsMargins(14, 10, 14, 12);
    disposition->addWidget(new Logo(cadre));
    auto* chargement = new QLabel(QStringLiteral("Chargement en cours, veuillez patienter......"), cadre);
    QFont gras = chargement->font();
    gras.setBold(true);
    chargement->setFont(gras);
    disposition->addWidget(chargement);
    barreProg_ = new QProgressBar(cadre);
    barreProg_->setObjectName(QStringLiteral("BarreProg"));
    barreProg_->setRange(0, 100);
    barreProg_->setValue(0);
    barreProg_->setTextVisible(false);
    barreProg_->setFixedHeight(16);
    disposition->addWidget(barreProg_);
    lbProgression_ = new QLabel(cadre);
    lbProgression_->setObjectName(QStringLiteral("lbProgression"));
    disposition->addWidget(lbProgression_);

    if (const QScreen* ecran = QGuiApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
}

void TSplashScreen::setLibelle(const QString& texte)
{
    lbProgression_->setText(texte);
    lbProgression_->repaint();
}

void TSplashScreen::setMaximum(int maximum) { barreProg_->setMaximum(maximum); }
int TSplashScreen::maximum() const { return barreProg_->maximum(); }
void TSplashScreen::setPosition(int position) { barreProg_->setValue(position); }
int TSplashScreen::position() const { return barreProg_->value(); }
void TSplashScreen::traiterEvenements() { QCoreApplication::processEvents(); }

} // namespace velorin
