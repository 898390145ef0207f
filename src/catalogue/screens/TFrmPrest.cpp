#include "catalogue/screens/TFrmPrest.h"

#include "app/Dialogues.h"
#include "app/Horloge.h"
#include "app/Progression.h"
#include "catalogue/Catalogue.h"
#include "catalogue/Tarification.h"
#include "catalogue/screens/TFrmPrestation.h"
#include "store/DMVelorin.h"
#include "ui/Edition.h"
#include "ui/MessagesFenetre.h"
#include "ui/PanneauDegrade.h"
#include "ui/TFrmSelChamps.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace velorin {

namespace {

// The progress of the tariff copy on the list's own bar.
class ProgressionBarre : public Progression {
public:
    ProgressionBarre(QProgressBar* barre, Horloge& horloge)
        : barre_(barre)
        , horloge_(horloge)
    {
    }
    void setLibelle(const QString&) override { }
    void setMaximum(int maximum) override
    {
        if (barre_) barre_->setRange(0, maximum);
    }
    int maximum() const override { return barre_ ? barre_->maximum() : 0; }
    void setPosition(int position) override
    {
        if (barre_) barre_->setValue(position);
    }
    int position() const override { return barre_ ? barre_->value() : 0; }
    void traiterEvenements() override { horloge_.traiterEvenements(); }

private:
    QProgressBar* barre_;
    Horloge& horloge_;
};

QString suffixeCle(int mode)
{
    switch (mode) {
    case TFrmPrest::Hebergements: return QStringLiteral("Chambres");
    case TFrmPrest::Prestations: return QStringLiteral("Presta");
    default: return QStringLiteral("Repas");
    }
}

} // namespace

TFrmPrest::TFrmPrest(ContexteEcrans& contexte, int mode, QWidget* parent)
    : T_FrmRecherchePI(contexte, parent)
    , mode_(mode)
{
    setWindowTitle(titre(mode));
    setCleFenetre(QStringLiteral("TFrmPrest") + suffixeCle(mode));
    setTable(Catalogue::table());
    setConditionFixe(QStringLiteral("TypePrest = ?"), {mode});
    AjouterTri(QStringLiteral("NumOrdre"), QStringLiteral("Ordre d'affichage"));
    AjouterTri(QStringLiteral("Nom"), QStringLiteral("Nom"));

    QStringList exclues;
    switch (mode) {
    case Hebergements:
        AjouterColonne(QStringLiteral("Nom"), QStringLiteral("Nom"));
        exclues = {u"propnuits"_qs, u"proppers"_qs, u"offert"_qs, u"numordre"_qs, u"couleur"_qs, u"affcouleur"_qs,
            u"sanstva"_qs};
        break;
    case Prestations:
        AjouterColonne(QStringLiteral("Nom"), QStringLiteral("Nom"), 300);
        AjouterColonne(QStringLiteral("Prix"), QStringLiteral("Prix"));
        exclues
            = {u"tarifsimple"_qs, u"capacite"_qs, u"numordre"_qs, u"couleur"_qs, u"affcouleur"_qs, u"danspourcent"_qs};
        break;
    default:
        AjouterColonne(QStringLiteral("Nom"), QStringLiteral("Nom"), 300);
        AjouterColonne(QStringLiteral("Prix"), QStringLiteral("Prix"));
        exclues = {u"propnuits"_qs, u"proppers"_qs, u"offert"_qs, u"numordre"_qs, u"couleur"_qs, u"affcouleur"_qs,
            u"tarifsimple"_qs, u"capacite"_qs, u"danspourcent"_qs, u"sanstva"_qs};
        break;
    }
    for (const QString& colonne : exclues) ajouterExclusion(colonne);
    setEdition(std::make_shared<EditionListe>(modele()), EditionListe::libelleTitre(), titre(mode));

    // The order buttons beside the grid.
    auto* principale = qobject_cast<QVBoxLayout*>(centre()->layout());
    const int place = principale->indexOf(grille());
    principale->removeWidget(grille());
    auto* milieu = new QHBoxLayout;
    milieu->setSpacing(6);
    milieu->addWidget(grille(), 1);
    auto* ordre = new QVBoxLayout;
    ordre->setSpacing(6);
    btnOrdreHaut_ = new QToolButton(centre());
    btnOrdreHaut_->setObjectName(QStringLiteral("BtnOrdreHaut"));
    btnOrdreHaut_->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    btnOrdreHaut_->setIconSize(QSize(22, 22));
    btnOrdreHaut_->setFixedSize(36, 36);
    btnOrdreHaut_->setToolTip(u"Cliquez sur ce bouton pour faire monter la sélection dans l'ordre de priorité."_qs);
    btnOrdreBas_ = new QToolButton(centre());
    btnOrdreBas_->setObjectName(QStringLiteral("BtnOrdreBas"));
    btnOrdreBas_->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    btnOrdreBas_->setIconSize(QSize(22, 22));
    btnOrdreBas_->setFixedSize(36, 36);
    btnOrdreBas_->setToolTip(u"Cliquez sur ce bouton pour faire descendre la sélection dans l'ordre de priorité."_qs);
    ordre->addStretch(1);
    ordre->addWidget(btnOrdreHaut_);
    ordre->addWidget(btnOrdreBas_);
    ordre->addStretch(1);
    milieu->addLayout(ordre);
    principale->insertLayout(place, milieu, 1);
    btnOrdreHaut_->setVisible(mode != Repas);
    btnOrdreBas_->setVisible(mode != Repas);
    connect(btnOrdreHaut_, &QToolButton::clicked, this, [this] { Deplacer(-1); });
    connect(btnOrdreBas_, &QToolButton::clicked, this, [this] { Deplacer(1); });
    if (auto* tri = findChild<QComboBox*>(QStringLiteral("CbTri")))
        connect(tri, &QComboBox::currentIndexChanged, this, &TFrmPrest::etatBoutonsOrdre);

    // The meal panel, read by the reservation editor after a meal was chosen.
    panelRepas_ = new QFrame(centre());
    panelRepas_->setObjectName(QStringLiteral("PanelRepas"));
    auto* repas = new QHBoxLayout(panelRepas_);
    repas->setContentsMargins(2, 0, 2, 0);
    cbTousLesJours_ = new QCheckBox(u"Ajouter le repas sélectionné à tous les jours de la réservation"_qs, panelRepas_);
    cbTousLesJours_->setObjectName(QStringLiteral("cbTousLesJours"));
    repas->addWidget(cbTousLesJours_);
    repas->addStretch(1);
    principale->insertWidget(principale->indexOf(findChild<QWidget*>(QStringLiteral("PanelRecherche"))), panelRepas_);
    panelRepas_->hide();

    btnCopierTarifs_ = new QPushButton(QStringLiteral("&CopierTarifs"), panelBas());
    btnCopierTarifs_->setObjectName(QStringLiteral("BtnCopierTarifs"));
    btnCopierTarifs_->setMinimumWidth(85);
    QPushButton* quitter = findChild<QPushButton*>(QStringLiteral("BtnQuitter"));
    dispositionBas()->insertWidget(dispositionBas()->indexOf(quitter), btnCopierTarifs_);
    btnCopierTarifs_->setVisible(mode == Hebergements);
    connect(btnCopierTarifs_, &QPushButton::clicked, this, &TFrmPrest::CopierTarifs);

    resize(mode == Hebergements ? 720 : 680, 500);
}

QString TFrmPrest::titre(int mode)
{
    switch (mode) {
    case Hebergements: return u"Liste des hébergements"_qs;
    case Prestations: return u"Liste des prestations"_qs;
    default: return u"Liste des Repas"_qs;
    }
}

void TFrmPrest::EntrerSelection()
{
    if (mode_ == Hebergements)
        EntrerModeSelection(QStringLiteral("Nom"));
    else
        EntrerModeSelection(QStringLiteral("Identifiant"), true);
    btnCopierTarifs_->hide();
}

bool TFrmPrest::repasTousLesJours() const
{
    return cbTousLesJours_->isChecked();
}

QString TFrmPrest::ChoisirHebergement(ContexteEcrans& contexte, QWidget* parent)
{
    TFrmPrest liste(contexte, Hebergements, parent);
    liste.EntrerSelection();
    return liste.exec() == QDialog::Accepted ? liste.nomChoisi() : QString();
}

int TFrmPrest::ChoisirPrestation(ContexteEcrans& contexte, QWidget* parent)
{
    TFrmPrest liste(contexte, Prestations, parent);
    liste.EntrerSelection();
    return liste.exec() == QDialog::Accepted ? liste.identifiantChoisi() : -1;
}

TFrmPrest::ChoixRepas TFrmPrest::ChoisirRepas(ContexteEcrans& contexte, QWidget* parent)
{
    TFrmPrest liste(contexte, Repas, parent);
    liste.EntrerSelection();
    ChoixRepas choix;
    if (liste.exec() == QDialog::Accepted) choix.Identifiant = liste.identifiantChoisi();
    choix.TousLesJours = liste.repasTousLesJours();
    return choix;
}

void TFrmPrest::preparerAffichage()
{
    T_FrmRecherchePI::preparerAffichage();
    btnCopierTarifs_->setVisible(mode_ == Hebergements && !modeSelection());
    panelRepas_->setVisible(mode_ == Repas && modeSelection());
    etatBoutonsOrdre();
}

void TFrmPrest::etatBoutonsOrdre()
{
    // Moving only means something while the list is in display order.
    auto* tri = findChild<QComboBox*>(QStringLiteral("CbTri"));
    const bool ordreAffichage = !tri || tri->currentIndex() <= 0;
    btnOrdreHaut_->setEnabled(ordreAffichage);
    btnOrdreBas_->setEnabled(ordreAffichage);
}

int TFrmPrest::identifiantCourant() const
{
    const QVariant valeur = valeurCourante(QStringLiteral("Identifiant"));
    return valeur.isNull() ? -1 : valeur.toInt();
}

void TFrmPrest::selectionner(int identifiant)
{
    const int ligne = modele().ligneIdentifiant(identifiant);
    if (ligne >= 0) allerLigne(ligne);
}

bool TFrmPrest::editer(const QSqlRecord& ligne, bool nouveau)
{
    TFrmPrestation fiche(contexte(), mode_, ligne, nouveau, this);
    emit ficheOuverte(&fiche);
    const bool accepte = fiche.exec() == QDialog::Accepted;
    if (fiche.changementPlanning()) hebergementsModifies_ = true;
    RelireSource();
    if (!fiche.nouveau()) selectionner(fiche.identifiant());
    return accepte;
}

void TFrmPrest::Ajouter()
{
    const QSqlRecord ligne = contexte().velorin.catalogue().CreerPrestation(mode_);
    if (ligne.isEmpty() || ligne.value(u"Identifiant"_qs).toInt() <= 0) {
        dialogues().information(u"Opération annulée"_qs);
        return;
    }
    editer(ligne, true);
}

void TFrmPrest::Modifier()
{
    const int identifiant = identifiantCourant();
    if (identifiant <= 0) return;
    const QSqlRecord ligne = contexte().velorin.catalogue().ModifierPrestation(mode_, identifiant);
    if (ligne.isEmpty()) return;
    editer(ligne, false);
}

void TFrmPrest::doubleClicGrille()
{
    Modifier();
}

void TFrmPrest::Supprimer()
{
    const int identifiant = identifiantCourant();
    if (identifiant <= 0) return;
    Catalogue& catalogue = contexte().velorin.catalogue();
    if (!catalogue.PeutSupprimer(suppression::Prestation, identifiant)) return;
    const QString question = mode_ == Hebergements ? u"Confirmez-vous la suppression de cet hébergement ?"_qs
        : mode_ == Prestations                     ? u"Confirmez-vous la suppression de cette prestation ?"_qs
                                                   : u"Confirmez-vous la suppression de ce repas ?"_qs;
    if (!dialogues().question(question)) return;
    if (!catalogue.SupprimerPrestation(identifiant)) return;
    RelireSource();
    if (mode_ == Hebergements) hebergementsModifies_ = true;
}

void TFrmPrest::Deplacer(int direction)
{
    const int identifiant = identifiantCourant();
    if (identifiant <= 0) return;
    if (!contexte().velorin.catalogue().DeplacerPrestation(mode_, identifiant, direction)) return;
    RelireSource();
    selectionner(identifiant);
    hebergementsModifies_ = true;
}

void TFrmPrest::CopierTarifs()
{
    QList<THebergementChoix> choix;
    for (const TSelHeb& h : contexte().velorin.catalogue().ListerHebergements())
        choix.append({h.Identifiant, h.Nom, false, false});
    if (!TFrmSelChamps::ChoisirHebergements(contexte(), choix, this)) return;
    TListeHeb liste;
    for (const THebergementChoix& c : choix) liste.append({c.Identifiant, c.Nom, c.Source, c.Destination});
    auto* barre = findChild<QProgressBar*>(QStringLiteral("BarreProgression"));
    ProgressionBarre progression(barre, contexte().services.horloge);
    if (barre) barre->show();
    const bool copie = contexte().velorin.tarification().CopierTarifs(liste, &progression);
    if (copie) dialogues().information(u"La copie des tarifs est terminée."_qs);
    if (barre) barre->hide();
}

void TFrmPrest::enregistrerFermeture()
{
    // Open plannings show the accommodations anew.
    if (hebergementsModifies_) envoyerMessage(contexte().fenetrePrincipale, WMActualiserPlanning);
    T_FrmRecherchePI::enregistrerFermeture();
}

} // namespace velorin
