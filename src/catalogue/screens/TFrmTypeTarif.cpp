#include "catalogue/screens/TFrmTypeTarif.h"

#include "app/Dialogues.h"
#include "app/Horloge.h"
#include "catalogue/Catalogue.h"
#include "catalogue/LignesTable.h"
#include "catalogue/Tarification.h"
#include "store/DMVelorin.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velorin {

namespace {

const QStringList colonnesJours{u"Lu"_qs, u"Ma"_qs, u"Me"_qs, u"Je"_qs, u"Ve"_qs, u"Sa"_qs, u"Di"_qs};
const QStringList nomsJours{
    u"Lundi"_qs, u"Mardi"_qs, u"Mercredi"_qs, u"Jeudi"_qs, u"Vendredi"_qs, u"Samedi"_qs, u"Dimanche"_qs};
// The earliest day of a date box stands for "no date".
const QDate sansDate(1900, 1, 1);


QDateEdit* boiteDate(QWidget* parent, const QString& nom, const QDate& aujourdhui)
{
    auto* d = new QDateEdit(parent);
    d->setObjectName(nom);
    d->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    d->setCalendarPopup(true);
    d->setMinimumDate(sansDate);
    d->setSpecialValueText(QStringLiteral(" "));
    d->calendarWidget()->setCurrentPage(aujourdhui.year(), aujourdhui.month());
    d->setMinimumWidth(120);
    return d;
}

void afficherDate(QDateEdit* boite, const QVariant& valeur)
{
    const QDate date = QDate::fromString(valeur.toString().left(10), Qt::ISODate);
    boite->setDate(date.isValid() ? date : sansDate);
}

QVariant dateDe(const QDateEdit* boite)
{
    return boite->date() == sansDate ? QVariant() : QVariant(boite->date().toString(Qt::ISODate));
}


} // namespace

TFrmTypeTarif::TFrmTypeTarif(ContexteEcrans& contexte, const QSqlRecord& ligne, bool nouveau, QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
{
    setWindowTitle(QStringLiteral("Type de tarif"));
    construire();
    charger(ligne, nouveau);
    relierNavigateur([this](const CibleNavigation& cible) { naviguer(cible); });
}

int TFrmTypeTarif::identifiant() const
{
    return ligne_.value(u"Identifiant"_qs).toInt();
}

void TFrmTypeTarif::construire()
{
    const QDate aujourdhui = contexte().services.horloge.aujourdhui();
    auto* principale = new QVBoxLayout(centre());
    principale->setContentsMargins(12, 12, 12, 8);
    principale->setSpacing(10);

    auto* ligneNom = new QHBoxLayout;
    auto* lblNom = new QLabel(QStringLiteral("Nom du tarif"), centre());
    edNom_ = new QLineEdit(centre());
    edNom_->setObjectName(QStringLiteral("edNom"));
    edNom_->setMaxLength(50);
    lblNom->setBuddy(edNom_);
    ligneNom->addWidget(lblNom);
    ligneNom->addWidget(edNom_, 1);
    principale->addLayout(ligneNom);

    auto* validite = new QGroupBox(u"Validité du tarif"_qs, centre());
    validite->setObjectName(QStringLiteral("PanelValidite"));
    auto* grille = new QGridLayout(validite);
    grille->setHorizontalSpacing(8);
    auto* lblDu = new QLabel(u"S'applique du "_qs, validite);
    edPerDeb_ = boiteDate(validite, QStringLiteral("edPerDeb"), aujourdhui);
    lblDu->setBuddy(edPerDeb_);
    auto* lblAu = new QLabel(QStringLiteral("au"), validite);
    edPerFin_ = boiteDate(validite, QStringLiteral("edPerFin"), aujourdhui);
    lblAu->setBuddy(edPerFin_);
    auto* periode = new QHBoxLayout;
    periode->addWidget(lblDu);
    periode->addWidget(edPerDeb_);
    periode->addSpacing(6);
    periode->addWidget(lblAu);
    periode->addWidget(edPerFin_);
    periode->addStretch(1);
    grille->addLayout(periode, 0, 0);
    auto* duree = new QHBoxLayout;
    auto* lblPour = new QLabel(QStringLiteral("Pour "), validite);
    edNbJours_ = new QSpinBox(validite);
    edNbJours_->setObjectName(QStringLiteral("edNbJours"));
    edNbJours_->setRange(1, 999);
    lblPour->setBuddy(edNbJours_);
    duree->addWidget(lblPour);
    duree->addWidget(edNbJours_);
    duree->addWidget(new QLabel(u"jours consécutifs"_qs, validite));
    duree->addStretch(1);
    grille->addLayout(duree, 1, 0);
    auto* jours = new QGridLayout;
    jours->setHorizontalSpacing(14);
    for (int i = 0; i < colonnesJours.size(); ++i) {
        auto* c = new QCheckBox(nomsJours.at(i), validite);
        c->setObjectName(QStringLiteral("cb") + colonnesJours.at(i));
        jours->addWidget(c, i / 4, i % 4);
        jours_.append(c);
    }
    grille->addLayout(jours, 2, 0);
    principale->addWidget(validite);

    cbAvecRepas_ = new QCheckBox(u"Ce tarif inclut des repas pour toute la durée du séjour"_qs, centre());
    cbAvecRepas_->setObjectName(QStringLiteral("cbAvecRepas"));
    cbAvecRepas_->setToolTip(u"Cochez cette case pour créer automatiquement des repas, lors de la sélection du "
                             u"tarif, pour toute la durée du séjour"_qs);
    cbAvecRepas_->setVisible(contexte().velorin.options().memoire().AffRepas);
    connect(cbAvecRepas_, &QCheckBox::clicked, this, &TFrmTypeTarif::avecRepasCoche);
    principale->addWidget(cbAvecRepas_);
    principale->addStretch(1);
    resize(540, 340);
}

void TFrmTypeTarif::charger(const QSqlRecord& ligne, bool nouveau)
{
    ligne_ = ligne;
    nouveau_ = nouveau;
    edNom_->setText(ligne_.value(u"Nom"_qs).toString());
    afficherDate(edPerDeb_, ligne_.value(u"Per_Deb"_qs));
    afficherDate(edPerFin_, ligne_.value(u"Per_Fin"_qs));
    edNbJours_->setValue(qMax(1, ligne_.value(u"NbJours"_qs).toInt()));
    for (int i = 0; i < jours_.size(); ++i) jours_.at(i)->setChecked(lignes::booleen(ligne_.value(colonnesJours.at(i))));
    cbAvecRepas_->setChecked(lignes::booleen(ligne_.value(u"AvecRepas"_qs)));
    // What the controls show is the reference of the changes.
    origine_ = ligne_;
    appliquerControles(origine_);
    edNom_->setFocus(Qt::OtherFocusReason);
}

void TFrmTypeTarif::appliquerControles(QSqlRecord& ligne) const
{
    ligne.setValue(u"Nom"_qs, edNom_->text().trimmed());
    ligne.setValue(u"Per_Deb"_qs, dateDe(edPerDeb_));
    ligne.setValue(u"Per_Fin"_qs, dateDe(edPerFin_));
    ligne.setValue(u"NbJours"_qs, edNbJours_->value());
    for (int i = 0; i < jours_.size(); ++i) ligne.setValue(colonnesJours.at(i), jours_.at(i)->isChecked() ? 1 : 0);
    ligne.setValue(u"AvecRepas"_qs, cbAvecRepas_->isChecked() ? 1 : 0);
}

bool TFrmTypeTarif::modifie() const
{
    if (nouveau_) return true;
    QSqlRecord actuelle = ligne_;
    appliquerControles(actuelle);
    return !lignes::memesValeurs(actuelle, origine_);
}

QString TFrmTypeTarif::demanderNomDemiPension()
{
    if (demandeNom_) return demandeNom_();
    bool ok = false;
    const QString nom = QInputDialog::getText(this, Catalogue::titreDemiPension(), Catalogue::inviteDemiPension(),
        QLineEdit::Normal, Catalogue::nomDemiPensionPropose(), &ok);
    // A cancelled box gives the proposed name.
    return ok ? nom : Catalogue::nomDemiPensionPropose();
}

void TFrmTypeTarif::avecRepasCoche(bool coche)
{
    if (!coche) return;
    contexte().velorin.catalogue().CreerDemiPension([this] { return demanderNomDemiPension(); });
}

bool TFrmTypeTarif::Valider()
{
    if (edNom_->text().trimmed().isEmpty()) {
        dialogues().avertissement(u"Vous devez indiquer un nom pour le type de tarif."_qs);
        edNom_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return enregistrer();
}

bool TFrmTypeTarif::enregistrer()
{
    QSqlRecord copie = ligne_;
    appliquerControles(copie);
    if (!contexte().velorin.tarification().EnregistrerTypeTarif(copie)) return false;
    ligne_ = copie;
    origine_ = copie;
    nouveau_ = false;
    return true;
}

void TFrmTypeTarif::naviguer(const std::function<int(int position, int nombre)>& cible)
{
    if (modifie() && !Valider()) return;
    Tarification& tarification = contexte().velorin.tarification();
    const QList<QSqlRecord> types = tarification.ListerTypesTarifs(false);
    if (types.isEmpty()) return;
    int position = -1;
    for (int i = 0; i < types.size(); ++i)
        if (types.at(i).value(u"Identifiant"_qs).toInt() == identifiant()) position = i;
    const int nouvelle = qBound(0, cible(position, int(types.size())), int(types.size()) - 1);
    if (nouvelle == position) return;
    const QSqlRecord ligne = tarification.ModifierTypeTarif(types.at(nouvelle).value(u"Identifiant"_qs).toInt());
    if (!ligne.isEmpty()) charger(ligne, false);
}

} // namespace velorin
