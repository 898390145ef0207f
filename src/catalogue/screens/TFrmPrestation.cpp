#include "catalogue/screens/TFrmPrestation.h"

#include "app/Dialogues.h"
#include "catalogue/Catalogue.h"
#include "catalogue/LignesTable.h"
#include "catalogue/Tarification.h"
#include "catalogue/screens/TCadreDetailTVA.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "ui/EditNombre.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace velorin {

namespace {

const QString texteTarifDetaille
    = u"Tarif détaillé, saisissez les composantes du tarif sous la grille, pour chaque type de tarif."_qs;

QFrame* panneau(QWidget* parent, const QString& nom)
{
    auto* p = new QFrame(parent);
    p->setObjectName(nom);
    p->setFrameShape(QFrame::StyledPanel);
    p->setFrameShadow(QFrame::Raised);
    return p;
}

QCheckBox* caseACocher(QWidget* parent, const QString& texte, const QString& nom, const QString& bulle = {})
{
    auto* c = new QCheckBox(texte, parent);
    c->setObjectName(nom);
    if (!bulle.isEmpty()) c->setToolTip(bulle);
    return c;
}


QString textePrix(const QVariant& valeur)
{
    return QLocale().toString(valeur.toDouble(), 'f', 2);
}


} // namespace

TFrmPrestation::TFrmPrestation(
    ContexteEcrans& contexte, int typePrest, const QSqlRecord& ligne, bool nouveau, QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
    , typePrest_(typePrest)
{
    setWindowTitle(titre(typePrest));
    construire();
    charger(ligne, nouveau);

    // The record navigator goes through the items of the kind.
    relierNavigateur([this](const CibleNavigation& cible) { naviguer(cible); });
}

// The rows go before the frames: the frames must not read them any more.
TFrmPrestation::~TFrmPrestation()
{
    cadreTVA_->lier(nullptr);
    cadreTVATarif_->lier(nullptr);
}

QString TFrmPrestation::titre(int typePrest)
{
    switch (typePrest) {
    case typeprest::Hebergement: return u"Création / modification d'un hébergement"_qs;
    case typeprest::Prestation: return u"Création / modification d'une prestation"_qs;
    default: return u"Création / modification d'un repas"_qs;
    }
}

Catalogue& TFrmPrestation::catalogue() const
{
    return contexte().velorin.catalogue();
}
Tarification& TFrmPrestation::tarification() const
{
    return contexte().velorin.tarification();
}

int TFrmPrestation::identifiant() const
{
    return ligne_.value(u"Identifiant"_qs).toInt();
}

bool TFrmPrestation::changementPlanning() const
{
    return enregistre_ && (planning_ || typePrest_ == typeprest::Hebergement);
}

void TFrmPrestation::construire()
{
    auto* principale = new QVBoxLayout(centre());
    principale->setContentsMargins(12, 12, 12, 8);
    principale->setSpacing(8);

    auto* identite = new QGridLayout;
    identite->setHorizontalSpacing(8);
    auto* lblNom = new QLabel(QStringLiteral("Nom"), centre());
    edNom_ = new QLineEdit(centre());
    edNom_->setObjectName(QStringLiteral("edNom"));
    edNom_->setMaxLength(50);
    edNom_->installEventFilter(this);
    lblNom->setBuddy(edNom_);
    auto* lblDescription = new QLabel(QStringLiteral("Description"), centre());
    edDescription_ = new QTextEdit(centre());
    edDescription_->setObjectName(QStringLiteral("edDescription"));
    edDescription_->setAcceptRichText(true);
    edDescription_->setTabChangesFocus(true);
    edDescription_->setMinimumHeight(70);
    {
        // The formatted text is shown in black on white, whatever the colour settings.
        QPalette p = edDescription_->palette();
        p.setColor(QPalette::Text, Qt::black);
        p.setColor(QPalette::Base, Qt::white);
        edDescription_->setPalette(p);
    }
    lblDescription->setBuddy(edDescription_);
    identite->addWidget(lblNom, 0, 0);
    identite->addWidget(edNom_, 0, 1);
    identite->addWidget(lblDescription, 1, 0, Qt::AlignTop);
    identite->addWidget(edDescription_, 1, 1);
    identite->setColumnStretch(1, 1);
    principale->addLayout(identite, 1);

    panelCapacite_ = panneau(centre(), QStringLiteral("PanelCapacite"));
    auto* capacite = new QHBoxLayout(panelCapacite_);
    auto* lblCapacite = new QLabel(u"Nombre maximal de personnes :"_qs, panelCapacite_);
    edCapacite_ = new QSpinBox(panelCapacite_);
    edCapacite_->setObjectName(QStringLiteral("edCapacite"));
    edCapacite_->setRange(0, 999);
    lblCapacite->setBuddy(edCapacite_);
    cbDansPourcent_ = caseACocher(panelCapacite_, u"Dans le taux d'occupation"_qs, QStringLiteral("cbDansPourcent"),
        u"Cochez cette case si l'hébergement doit être inclus dans le calcul du taux "
        u"d'occupation"_qs);
    capacite->addWidget(lblCapacite);
    capacite->addWidget(edCapacite_);
    capacite->addSpacing(24);
    capacite->addWidget(cbDansPourcent_);
    capacite->addStretch(1);
    principale->addWidget(panelCapacite_);

    panelProportion_ = panneau(centre(), QStringLiteral("PanelProportion"));
    auto* proportion = new QGridLayout(panelProportion_);
    cbPropNuits_ = caseACocher(panelProportion_, u"Proportionnel au nombre de nuits"_qs, QStringLiteral("cbPropNuits"),
        u"Cochez si vous souhaitez que le programme propose un nombre multiple du nombre de "
        u"nuits"_qs);
    cbPropPers_ = caseACocher(panelProportion_, u"au nombre de personnes"_qs, QStringLiteral("cbPropPers"),
        u"Cochez si vous souhaitez que le programme propose un nombre multiple du nombre de "
        u"personnes"_qs);
    cbAjoutAuto_ = caseACocher(panelProportion_,
        u"Ajouter automatiquement cette prestation à toutes les réservations"_qs, QStringLiteral("cbAjoutAuto"));
    proportion->addWidget(cbPropNuits_, 0, 0);
    proportion->addWidget(cbPropPers_, 0, 1);
    proportion->addWidget(cbAjoutAuto_, 1, 0, 1, 2);
    proportion->setColumnStretch(1, 1);
    principale->addWidget(panelProportion_);

    panelPrix_ = panneau(centre(), QStringLiteral("PanelPrix"));
    auto* prix = new QGridLayout(panelPrix_);
    prix->setVerticalSpacing(6);
    cbTarifSimple_ = caseACocher(panelPrix_, QStringLiteral("Tarif unique"), QStringLiteral("cbTarifSimple"));
    cbOffert_ = caseACocher(panelPrix_, QStringLiteral("Prestation offerte"), QStringLiteral("cbOffert"),
        u"Lorsque la case est cochée, le prix de la prestation sera mentionné, mais le total de la "
        u"réservation restera inchangé"_qs);
    cbSansTVA_ = caseACocher(panelPrix_, u"Non soumis à TVA"_qs, QStringLiteral("cbSansTVA"));
    lblPrix_ = new QLabel(QStringLiteral("Prix"), panelPrix_);
    lblPrix_->setObjectName(QStringLiteral("LblPrix"));
    edPrix_ = new EditNombre(panelPrix_);
    edPrix_->setObjectName(QStringLiteral("edPrix"));
    edPrix_->setMaximumWidth(140);
    lblPrix_->setBuddy(edPrix_);
    cadreTVA_ = new TCadreDetailTVA(contexte(), panelPrix_);
    cadreTVA_->setObjectName(QStringLiteral("CadreTVA"));
    ajouterCadre(cadreTVA_);
    cbAffCouleur_
        = caseACocher(panelPrix_, QStringLiteral("Faire apparaitre en couleur"), QStringLiteral("cbAffCouleur"));
    lblCouleur_ = new QLabel(u"Couleur d'affichage :"_qs, panelPrix_);
    lblCouleur_->setObjectName(QStringLiteral("LblCouleur"));
    panelCouleur_ = new QFrame(panelPrix_);
    panelCouleur_->setObjectName(QStringLiteral("PanelCouleur"));
    panelCouleur_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panelCouleur_->setFixedSize(64, 24);
    panelCouleur_->setAutoFillBackground(true);
    panelCouleur_->setToolTip(u"Couleur d'affichage dans le planning. Double-cliquez pour la choisir"_qs);
    panelCouleur_->installEventFilter(this);

    auto* options = new QHBoxLayout;
    options->setSpacing(18);
    options->addWidget(cbTarifSimple_);
    options->addWidget(cbOffert_);
    options->addWidget(cbSansTVA_);
    options->addStretch(1);
    prix->addLayout(options, 0, 0, 1, 2);
    auto* lignePrix = new QHBoxLayout;
    lignePrix->addWidget(lblPrix_);
    lignePrix->addWidget(edPrix_);
    lignePrix->addStretch(1);
    prix->addLayout(lignePrix, 1, 0, 1, 2);
    prix->addWidget(cadreTVA_, 2, 0, 1, 2);
    auto* couleur = new QHBoxLayout;
    couleur->setSpacing(8);
    couleur->addWidget(cbAffCouleur_);
    couleur->addSpacing(16);
    couleur->addWidget(lblCouleur_);
    couleur->addWidget(panelCouleur_);
    couleur->addStretch(1);
    prix->addLayout(couleur, 3, 0, 1, 2);
    principale->addWidget(panelPrix_);

    lblTarif_ = new QLabel(texteTarifDetaille, centre());
    lblTarif_->setObjectName(QStringLiteral("LblTarif"));
    lblTarif_->setWordWrap(true);
    principale->addWidget(lblTarif_);
    grilleTarifs_ = new QTableWidget(0, 3, centre());
    grilleTarifs_->setObjectName(QStringLiteral("GrilleTarifs"));
    grilleTarifs_->setHorizontalHeaderLabels({QStringLiteral("Applicable"), u"Libellé"_qs, QStringLiteral("Prix")});
    grilleTarifs_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grilleTarifs_->setSelectionMode(QAbstractItemView::SingleSelection);
    grilleTarifs_->verticalHeader()->hide();
    grilleTarifs_->verticalHeader()->setDefaultSectionSize(grilleTarifs_->fontMetrics().height() + 8);
    grilleTarifs_->horizontalHeader()->setStretchLastSection(true);
    grilleTarifs_->setColumnWidth(0, 90);
    grilleTarifs_->setColumnWidth(1, 240);
    grilleTarifs_->setMinimumHeight(110);
    principale->addWidget(grilleTarifs_, 2);
    cadreTVATarif_ = new TCadreDetailTVA(contexte(), centre());
    cadreTVATarif_->setObjectName(QStringLiteral("CadreTVATarif"));
    ajouterCadre(cadreTVATarif_);
    principale->addWidget(cadreTVATarif_);

    // Visibility by kind.
    const bool hebergement = typePrest_ == typeprest::Hebergement;
    const bool prestation = typePrest_ == typeprest::Prestation;
    panelCapacite_->setVisible(hebergement);
    panelProportion_->setVisible(prestation);
    cbTarifSimple_->setVisible(hebergement);
    cbOffert_->setVisible(prestation);
    for (QWidget* w : {static_cast<QWidget*>(cbAffCouleur_), static_cast<QWidget*>(lblCouleur_),
             static_cast<QWidget*>(panelCouleur_)})
        w->setVisible(typePrest_ != typeprest::Repas);
    cbSansTVA_->setVisible(prestation);

    connect(cbTarifSimple_, &QCheckBox::toggled, this, [this] { afficherZonePrix(); });
    connect(cbSansTVA_, &QCheckBox::clicked, this, &TFrmPrestation::sansTVAChange);
    connect(edPrix_, &QLineEdit::textEdited, this, [this] {
        bool ok = false;
        const QVariant valeur = edPrix_->valeur(&ok);
        if (ok) ligne_.setValue(u"Prix"_qs, valeur);
    });
    connect(cbAffCouleur_, &QCheckBox::toggled, panelCouleur_, &QWidget::setEnabled);
    connect(cbAffCouleur_, &QCheckBox::clicked, this, [this] { planning_ = true; });
    connect(cbDansPourcent_, &QCheckBox::clicked, this, [this] { planning_ = true; });
    connect(grilleTarifs_, &QTableWidget::currentCellChanged, this, [this](int ligne) {
        if (ligne != ligneTarif_) lierTarifCourant();
    });
    connect(grilleTarifs_, &QTableWidget::cellClicked, cadreTVATarif_, &TCadreDetailTVA::ActualiserTotaux);
    connect(grilleTarifs_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* element) {
        if (element->column() != 0 || element->row() >= tarifs_.size()) return;
        const int applicable = element->checkState() == Qt::Checked ? 1 : 0;
        tarifs_[element->row()].setValue(u"Applicable"_qs, applicable);
        if (element->row() == ligneTarif_) tarifCourant_.setValue(u"Applicable"_qs, applicable);
        tarifsModifies_ = true;
    });
    connect(cadreTVATarif_, &TCadreDetailTVA::ligneModifiee, this, [this] {
        if (ligneTarif_ < 0 || ligneTarif_ >= tarifs_.size()) return;
        tarifs_[ligneTarif_] = tarifCourant_;
        tarifsModifies_ = true;
        afficherPrixTarif(ligneTarif_);
    });

    if (hebergement)
        resize(740, 720);
    else
        resize(640, typePrest_ == typeprest::Prestation ? 600 : 480);
}

void TFrmPrestation::charger(const QSqlRecord& ligne, bool nouveau)
{
    ligne_ = ligne;
    nouveau_ = nouveau;
    nomAverti_.clear();
    couleurChoisie_ = false;
    tarifsModifies_ = false;
    const bool hebergement = typePrest_ == typeprest::Hebergement;
    if (hebergement) {
        ligne_.setValue(u"PropNuits"_qs, 0);
        ligne_.setValue(u"PropPers"_qs, 0);
    } else {
        ligne_.setValue(u"TarifSimple"_qs, 1);
    }

    edNom_->setText(ligne_.value(u"Nom"_qs).toString());
    const QString description = ligne_.value(u"Description"_qs).toString();
    if (Qt::mightBeRichText(description))
        edDescription_->setHtml(description);
    else
        edDescription_->setPlainText(description);
    edDescription_->document()->setModified(false);
    edCapacite_->setValue(ligne_.value(u"Capacite"_qs).toInt());
    cbDansPourcent_->setChecked(lignes::booleen(ligne_.value(u"DansPourcent"_qs)));
    cbPropNuits_->setChecked(lignes::booleen(ligne_.value(u"PropNuits"_qs)));
    cbPropPers_->setChecked(lignes::booleen(ligne_.value(u"PropPers"_qs)));
    cbAjoutAuto_->setChecked(lignes::booleen(ligne_.value(u"AjoutAuto"_qs)));
    cbOffert_->setChecked(lignes::booleen(ligne_.value(u"Offert"_qs)));
    cbAffCouleur_->setChecked(lignes::booleen(ligne_.value(u"AffCouleur"_qs)));
    panelCouleur_->setEnabled(cbAffCouleur_->isChecked());
    cbSansTVA_->setChecked(typePrest_ == typeprest::Prestation && lignes::booleen(ligne_.value(u"SansTVA"_qs)));
    edPrix_->setValeur(ligne_.value(u"Prix"_qs));
    const QVariant couleur = ligne_.value(u"Couleur"_qs);
    // Without a colour of its own the panel shows the zone titles' colour.
    couleur_ = couleurs::versQColor(couleur.isNull() ? commun().couleurs()[6] : couleur.toInt());
    afficherCouleur();

    chargerTarifs();
    {
        const QSignalBlocker blocage(cbTarifSimple_);
        cbTarifSimple_->setChecked(!hebergement || lignes::booleen(ligne_.value(u"TarifSimple"_qs)));
    }
    // What the controls show is the reference of the changes; the current rates accepted
    // when the frame is bound are one.
    origine_ = ligne_;
    appliquerControles(origine_);
    // The frame is bound anew: a record saved at other rates asks about them once more.
    cadreTVA_->lier(nullptr);
    afficherZonePrix();
    edNom_->setFocus(Qt::OtherFocusReason);
}

void TFrmPrestation::chargerTarifs()
{
    tarifs_.clear();
    ligneTarif_ = -1;
    if (typePrest_ == typeprest::Hebergement) {
        if (nouveau_) {
            tarifs_ = tarification().TarifsNouvelHebergement();
        } else {
            // A tariff type created since the last opening becomes applicable at price 0,
            // and every row takes the current rates.
            tarification().CompleterTarifs(identifiant());
            tarifs_ = tarification().TarifsHebergement(identifiant());
        }
    }
    remplirGrilleTarifs();
}

void TFrmPrestation::remplirGrilleTarifs()
{
    const QSignalBlocker blocage(grilleTarifs_);
    grilleTarifs_->setRowCount(int(tarifs_.size()));
    for (int i = 0; i < tarifs_.size(); ++i) {
        const QSqlRecord& t = tarifs_.at(i);
        auto* applicable = new QTableWidgetItem;
        applicable->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        applicable->setCheckState(lignes::booleen(t.value(u"Applicable"_qs)) ? Qt::Checked : Qt::Unchecked);
        grilleTarifs_->setItem(i, 0, applicable);
        auto* libelle = new QTableWidgetItem(t.value(u"Libelle"_qs).toString());
        libelle->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        grilleTarifs_->setItem(i, 1, libelle);
        auto* prix = new QTableWidgetItem;
        prix->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        prix->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grilleTarifs_->setItem(i, 2, prix);
        afficherPrixTarif(i);
    }
    if (!tarifs_.isEmpty()) grilleTarifs_->setCurrentCell(0, 1);
}

void TFrmPrestation::afficherPrixTarif(int ligne)
{
    QTableWidgetItem* prix = grilleTarifs_->item(ligne, 2);
    if (!prix || ligne >= tarifs_.size()) return;
    const QSqlRecord& t = tarifs_.at(ligne);
    const QSignalBlocker blocage(grilleTarifs_);
    prix->setText(textePrix(t.value(u"TTC1"_qs).toDouble() + t.value(u"TTC2"_qs).toDouble()));
}

void TFrmPrestation::lierTarifCourant()
{
    int ligne = grilleTarifs_->currentRow();
    if (ligne < 0 && !tarifs_.isEmpty()) ligne = 0;
    if (ligne < 0 || ligne >= tarifs_.size() || cadreTVATarif_->isHidden()) {
        ligneTarif_ = -1;
        cadreTVATarif_->lier(nullptr);
        return;
    }
    ligneTarif_ = ligne;
    tarifCourant_ = tarifs_.at(ligne);
    cadreTVATarif_->lier(&tarifCourant_);
}

void TFrmPrestation::afficherZonePrix()
{
    const bool hebergement = typePrest_ == typeprest::Hebergement;
    const bool simple = !hebergement || cbTarifSimple_->isChecked();
    const bool sansTVA = typePrest_ == typeprest::Prestation && cbSansTVA_->isChecked();
    lblPrix_->setVisible(simple && sansTVA);
    edPrix_->setVisible(simple && sansTVA);
    cadreTVA_->setVisible(simple && !sansTVA);
    if (simple && !sansTVA && cadreTVA_->ligne() != &ligne_) cadreTVA_->lier(&ligne_);
    const bool detaille = hebergement && !simple;
    lblTarif_->setVisible(detaille);
    grilleTarifs_->setVisible(detaille);
    cadreTVATarif_->setVisible(detaille);
    lblTarif_->setText(detaille ? texteTarifDetaille : u"Tarif détaillé"_qs);
    if (detaille)
        lierTarifCourant();
    else
        cadreTVATarif_->lier(nullptr);
}

void TFrmPrestation::sansTVAChange(bool sansTVA)
{
    if (sansTVA) {
        edPrix_->setValeur(ligne_.value(u"TTC1"_qs).toDouble() + ligne_.value(u"TTC2"_qs).toDouble());
        ligne_.setValue(u"Prix"_qs, edPrix_->valeur());
    } else if (ligne_.value(u"Taux1"_qs).toDouble() == 0 && ligne_.value(u"Taux2"_qs).toDouble() == 0) {
        // Back under VAT: the plain price becomes the gross part at the current rates.
        const OptionsMemoire& options = contexte().velorin.options().memoire();
        ligne_.setValue(u"Taux1"_qs, options.Taux1);
        ligne_.setValue(u"Taux2"_qs, options.Taux2);
        ligne_.setValue(u"TTC1"_qs, edPrix_->valeur().toDouble());
        ligne_.setValue(u"TTC2"_qs, 0.0);
        calculerDepuisTTC(ligne_, 1);
        calculerDepuisTTC(ligne_, 2);
    }
    cadreTVA_->lier(nullptr);
    afficherZonePrix();
}

void TFrmPrestation::afficherCouleur()
{
    QPalette p = panelCouleur_->palette();
    p.setColor(QPalette::Window, couleur_);
    panelCouleur_->setPalette(p);
}

void TFrmPrestation::choisirCouleur()
{
    if (!panelCouleur_->isEnabled() || panelCouleur_->isHidden()) return;
    const QColor choisie
        = choixCouleur_ ? choixCouleur_(couleur_) : QColorDialog::getColor(couleur_, this, lblCouleur_->text());
    if (!choisie.isValid()) return;
    couleur_ = choisie;
    couleurChoisie_ = true;
    planning_ = true;
    afficherCouleur();
}

void TFrmPrestation::appliquerControles(QSqlRecord& ligne) const
{
    ligne.setValue(u"Nom"_qs, edNom_->text().trimmed());
    if (edDescription_->document()->isModified())
        ligne.setValue(u"Description"_qs, edDescription_->document()->isEmpty() ? QString() : edDescription_->toHtml());
    const bool hebergement = typePrest_ == typeprest::Hebergement;
    const bool prestation = typePrest_ == typeprest::Prestation;
    if (hebergement) {
        ligne.setValue(u"Capacite"_qs, edCapacite_->value());
        ligne.setValue(u"DansPourcent"_qs, cbDansPourcent_->isChecked() ? 1 : 0);
        ligne.setValue(u"TarifSimple"_qs, cbTarifSimple_->isChecked() ? 1 : 0);
    }
    if (prestation) {
        ligne.setValue(u"PropNuits"_qs, cbPropNuits_->isChecked() ? 1 : 0);
        ligne.setValue(u"PropPers"_qs, cbPropPers_->isChecked() ? 1 : 0);
        ligne.setValue(u"AjoutAuto"_qs, cbAjoutAuto_->isChecked() ? 1 : 0);
        ligne.setValue(u"Offert"_qs, cbOffert_->isChecked() ? 1 : 0);
        ligne.setValue(u"SansTVA"_qs, cbSansTVA_->isChecked() ? 1 : 0);
        if (cbSansTVA_->isChecked()) ligne.setValue(u"Prix"_qs, edPrix_->valeur());
    }
    if (typePrest_ != typeprest::Repas) ligne.setValue(u"AffCouleur"_qs, cbAffCouleur_->isChecked() ? 1 : 0);
    // The panel's colour is kept whether the colour is shown or not; an item that never had
    // one keeps none until a colour is chosen or shown.
    if (couleurChoisie_ || cbAffCouleur_->isChecked() || !ligne.value(u"Couleur"_qs).isNull())
        ligne.setValue(u"Couleur"_qs, couleurs::depuisQColor(couleur_));
}

bool TFrmPrestation::modifie() const
{
    if (nouveau_ || tarifsModifies_) return true;
    QSqlRecord actuelle = ligne_;
    appliquerControles(actuelle);
    return !lignes::memesValeurs(actuelle, origine_);
}

bool TFrmPrestation::verifierNom()
{
    // A name already warned about is not warned about again: one that differs from another
    // only by letter case may be kept, and the cursor must be able to leave the field.
    if (verificationNom_ || edNom_->text() == nomAverti_) return true;
    verificationNom_ = true;
    const bool libre = catalogue().NomPrestationLibre(edNom_->text(), identifiant());
    verificationNom_ = false;
    if (libre) return true;
    nomAverti_ = edNom_->text();
    edNom_->setFocus(Qt::OtherFocusReason);
    return false;
}

bool TFrmPrestation::Valider()
{
    if (edNom_->text().trimmed().isEmpty()) {
        dialogues().avertissement(u"Vous devez indiquer un nom."_qs);
        edNom_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return enregistrer();
}

bool TFrmPrestation::enregistrer()
{
    appliquerControles(ligne_);
    QSqlRecord copie = ligne_;
    QList<QSqlRecord> tarifs = tarifs_;
    std::function<void(int)> ecrireTarifs;
    if (typePrest_ == typeprest::Hebergement && (nouveau_ || tarifsModifies_))
        ecrireTarifs = [this, &tarifs](int id) { tarification().ecrireTarifs(id, tarifs); };
    if (!catalogue().EnregistrerPrestation(copie, ecrireTarifs)) return false;
    ligne_ = copie;
    if (ecrireTarifs) tarifs_ = tarifs;
    nouveau_ = false;
    tarifsModifies_ = false;
    enregistre_ = true;
    edDescription_->document()->setModified(false);
    origine_ = ligne_;
    appliquerControles(origine_);
    return true;
}

void TFrmPrestation::naviguer(const std::function<int(int position, int nombre)>& cible)
{
    if (modifie() && !Valider()) return;
    const QList<int> identifiants = catalogue().ListerIdentifiants(typePrest_);
    if (identifiants.isEmpty()) return;
    const int position = int(identifiants.indexOf(identifiant()));
    const int nouvelle = qBound(0, cible(position, int(identifiants.size())), int(identifiants.size()) - 1);
    if (nouvelle == position) return;
    const QSqlRecord ligne = catalogue().ModifierPrestation(typePrest_, identifiants.at(nouvelle));
    if (ligne.isEmpty()) return;
    charger(ligne, false);
}

bool TFrmPrestation::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == panelCouleur_ && evenement->type() == QEvent::MouseButtonDblClick) {
        choisirCouleur();
        return true;
    }
    if (objet == edNom_ && evenement->type() == QEvent::FocusOut) {
        const auto raison = static_cast<QFocusEvent*>(evenement)->reason();
        // Leaving for another window (a message, a menu) or for "&Annuler" is not leaving the field.
        const bool versAnnuler = QApplication::focusWidget() == btnAnnuler();
        if (raison != Qt::ActiveWindowFocusReason && raison != Qt::PopupFocusReason && !versAnnuler && isVisible())
            verifierNom();
    }
    return T_FrmSaisieStd::eventFilter(objet, evenement);
}

} // namespace velorin
