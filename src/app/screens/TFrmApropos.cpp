#include "app/screens/TFrmApropos.h"

#include "app/Plateforme.h"
#include "app/Version.h"
#include "store/DMCommun.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace velorin {

TFrmApropos::TFrmApropos(ContexteEcrans& contexte, QWidget* parent)
    : T_FrmPI(contexte, parent)
{
    setWindowTitle(u"A propos"_qs);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);

    auto* principale = new QVBoxLayout(centre());
    principale->setContentsMargins(24, 20, 24, 16);
    principale->setSpacing(14);

    auto* titre = new QLabel(QStringLiteral("Velorin"), centre());
    titre->setObjectName(QStringLiteral("lbTitre"));
    QFont police = titre->font();
    police.setPointSizeF(police.pointSizeF() * 2.4);
    police.setBold(true);
    titre->setFont(police);
    auto* sousTitre = new QLabel(u"Logiciel de gestion de chambres d'hôtes"_qs, centre());
    sousTitre->setObjectName(QStringLiteral("lbSousTitre"));
    principale->addWidget(titre);
    principale->addWidget(sousTitre);

    auto* grille = new QGridLayout;
    grille->setHorizontalSpacing(12);
    grille->setVerticalSpacing(10);
    grille->setColumnStretch(1, 1);
    const auto ligne = [&](int rang, const QString& libelle, const QString& valeur, const char* nom) {
        auto* l = new QLabel(libelle, centre());
        auto* v = new QLabel(valeur, centre());
        v->setObjectName(QLatin1String(nom));
        v->setTextInteractionFlags(Qt::TextSelectableByMouse);
        v->setWordWrap(true);
        QFont gras = v->font();
        gras.setBold(true);
        v->setFont(gras);
        grille->addWidget(l, rang, 0, Qt::AlignLeft | Qt::AlignVCenter);
        grille->addWidget(v, rang, 1);
    };
    const auto bouton = [&](int rang, const QString& dossier, const char* nom) {
        auto* b = new QToolButton(centre());
        b->setObjectName(QLatin1String(nom));
        b->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        b->setToolTip(u"Affiche le contenu du répertoire"_qs);
        b->setAutoRaise(true);
        connect(
            b, &QToolButton::clicked, this, [this, dossier] { this->contexte().services.plateforme.ouvrir(dossier); });
        grille->addWidget(b, rang, 2);
        return b;
    };

    const QString programme = QDir::toNativeSeparators(commun().dossierProgramme());
    const QString donnees = QDir::toNativeSeparators(commun().dossierDonnees());
    ligne(0, u"Version du programme :"_qs, texteVersionProgramme(), "lbVersion");
    ligne(1, u"Dossier de l'application :"_qs, programme, "lbDossierProgramme");
    btnProgramme_ = bouton(1, commun().dossierProgramme(), "BtnDossierProgramme");
    ligne(2, u"Dossier des données :"_qs, donnees, "lbDossierDonnees");
    btnDonnees_ = bouton(2, commun().dossierDonnees(), "BtnDossierDonnees");
    principale->addLayout(grille);
    principale->addStretch(1);

    QPushButton* ok = ajouterBouton(u"&Ok"_qs, QStringLiteral("BtnOk"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    resize(560, 300);
}

} // namespace velorin
