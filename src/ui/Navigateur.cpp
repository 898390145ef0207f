#include "ui/Navigateur.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace velorin {

Navigateur::Navigateur(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Navig"));
    auto* disposition = new QHBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(2);
    auto* btnPremier = bouton(QStringLiteral("BtnPremier"), QStringLiteral("|◀"), u"Premier"_qs);
    auto* btnPrecedent = bouton(QStringLiteral("BtnPrecedent"), QStringLiteral("◀"), u"Précédent"_qs);
    auto* btnSuivant = bouton(QStringLiteral("BtnSuivant"), QStringLiteral("▶"), u"Suivant"_qs);
    auto* btnDernier = bouton(QStringLiteral("BtnDernier"), QStringLiteral("▶|"), u"Dernier"_qs);
    for (QToolButton* b : {btnPremier, btnPrecedent, btnSuivant, btnDernier}) disposition->addWidget(b);
    connect(btnPremier, &QToolButton::clicked, this, &Navigateur::premier);
    connect(btnPrecedent, &QToolButton::clicked, this, &Navigateur::precedent);
    connect(btnSuivant, &QToolButton::clicked, this, &Navigateur::suivant);
    connect(btnDernier, &QToolButton::clicked, this, &Navigateur::dernier);
}

QToolButton* Navigateur::bouton(const QString& nom, const QString& texte, const QString& bulle)
{
    auto* b = new QToolButton(this);
    b->setObjectName(nom);
    b->setText(texte);
    b->setToolTip(bulle);
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setMinimumWidth(28);
    return b;
}

} // namespace velorin
