#include "catalogue/screens/TFrmTypesTarifs.h"

#include "app/Dialogues.h"
#include "app/Horloge.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Tarification.h"
#include "catalogue/screens/TFrmTypeTarif.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "ui/Edition.h"

#include <QCheckBox>
#include <QTableView>
#include <QVBoxLayout>

namespace velorin {

TFrmTypesTarifs::TFrmTypesTarifs(ContexteEcrans& contexte, QWidget* parent)
    : T_FrmRecherchePI(contexte, parent)
{
    setWindowTitle(QStringLiteral("Types de tarifs"));
    setTable(QStringLiteral("TypeTarif"));
    setMessage(u"Les types de tarifs servent à définir la structure de votre tarif. La saisie des prix se fait dans "
               u"la définition des hébergements."_qs);
    AjouterColonne(QStringLiteral("Nom"), QStringLiteral("Nom"), 150);
    AjouterColonne(QStringLiteral("Per_Deb"), QStringLiteral("du"), 150);
    AjouterColonne(QStringLiteral("Per_Fin"), QStringLiteral("au"), 80);
    AjouterColonne(QStringLiteral("NbJours"), QStringLiteral("Nbre jours"), 150);
    AjouterRecherche(QStringLiteral("Nom"), QStringLiteral("Nom"), nullptr, 50);
    AjouterTri(QStringLiteral("Nom"), QStringLiteral("Nom"));
    setEdition(
        std::make_shared<EditionListe>(modele()), EditionListe::libelleTitre(), QStringLiteral("Types de tarifs"));

    cbMasquer_ = new QCheckBox(u"Masquer les types de tarifs obsolètes"_qs, centre());
    cbMasquer_->setObjectName(QStringLiteral("cbMasquer"));
    auto* principale = qobject_cast<QVBoxLayout*>(centre()->layout());
    principale->insertWidget(principale->indexOf(grille()) + 1, cbMasquer_);
    connect(cbMasquer_, &QCheckBox::clicked, this, [this] {
        appliquerMasque();
        RelireSource();
    });
    resize(700, 480);
}

bool TFrmTypesTarifs::masquerObsoletes() const
{
    return cbMasquer_->isChecked();
}

void TFrmTypesTarifs::setMasquerObsoletes(bool masquer)
{
    cbMasquer_->setChecked(masquer);
    appliquerMasque();
    if (isVisible()) RelireSource();
}

void TFrmTypesTarifs::appliquerMasque()
{
    if (cbMasquer_->isChecked()) {
        // A type ending today is still current.
        const QDate aujourdhui = contexte().services.horloge.aujourdhui();
        setConditionFixe(QStringLiteral("Per_Fin >= ?"), {aujourdhui.toString(Qt::ISODate)});
    } else {
        setConditionFixe(QString());
    }
}

void TFrmTypesTarifs::preparerAffichage()
{
    // The box's state was kept with the screen's place, in its extra value.
    const QString cle = cleFenetre().isEmpty() ? nomClasse() : cleFenetre();
    if (const auto lues = commun().disposition().LireDisposition(cle); lues && !lues->isEmpty())
        cbMasquer_->setChecked(lues->first().Autre != 0);
    appliquerMasque();
    T_FrmRecherchePI::preparerAffichage();
}

void TFrmTypesTarifs::enregistrerFermeture()
{
    T_FrmRecherchePI::enregistrerFermeture();
    TDisposition place = dispositions().first();
    place.Autre = cbMasquer_->isChecked() ? 1 : 0;
    dispositions().first() = place;
    commun().disposition().EnregistrerDisposition(cleFenetre(), {place});
}

void TFrmTypesTarifs::editer(const QSqlRecord& ligne, bool nouveau)
{
    TFrmTypeTarif fiche(contexte(), ligne, nouveau, this);
    emit ficheOuverte(&fiche);
    fiche.exec();
    RelireSource();
    if (!fiche.nouveau()) {
        const int position = modele().ligneIdentifiant(fiche.identifiant());
        if (position >= 0) allerLigne(position);
    }
}

void TFrmTypesTarifs::Ajouter()
{
    const QSqlRecord ligne = contexte().velorin.tarification().CreerTypeTarif();
    if (ligne.isEmpty() || ligne.value(u"Identifiant"_qs).toInt() <= 0) {
        dialogues().information(u"Opération annulée"_qs);
        return;
    }
    editer(ligne, true);
}

void TFrmTypesTarifs::Modifier()
{
    const QVariant identifiant = valeurCourante(QStringLiteral("Identifiant"));
    if (identifiant.isNull()) return;
    const QSqlRecord ligne = contexte().velorin.tarification().ModifierTypeTarif(identifiant.toInt());
    if (!ligne.isEmpty()) editer(ligne, false);
}

void TFrmTypesTarifs::doubleClicGrille()
{
    Modifier();
}

void TFrmTypesTarifs::Supprimer()
{
    const QVariant identifiant = valeurCourante(QStringLiteral("Identifiant"));
    if (identifiant.isNull()) return;
    if (!contexte().velorin.catalogue().PeutSupprimer(suppression::TypeTarif, identifiant.toInt())) return;
    if (!dialogues().question(u"Confirmez-vous la suppression de ce type de tarif ?"_qs)) return;
    if (contexte().velorin.tarification().SupprimerTypeTarif(identifiant.toInt())) RelireSource();
}

} // namespace velorin
