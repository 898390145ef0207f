#include "ui/TFrmSelChamps.h"

#include "app/Dialogues.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

namespace velorin {

void TFrmSelChamps::construire(const QString& explication)
{
    setWindowTitle(u"Sélection des colonnes affichées dans la grille"_qs);
    auto* disposition = new QVBoxLayout(centre());
    disposition->setContentsMargins(12, 12, 12, 8);
    auto* texte = new QLabel(explication, centre());
    texte->setObjectName(QStringLiteral("LblExplication"));
    texte->setWordWrap(true);
    disposition->addWidget(texte);
    auto* defilement = new QScrollArea(centre());
    defilement->setObjectName(QStringLiteral("ZoneListe"));
    defilement->setWidgetResizable(true);
    defilement->setFrameShape(QFrame::NoFrame);
    liste_ = new QWidget(defilement);
    liste_->setObjectName(QStringLiteral("PanelListe"));
    defilement->setWidget(liste_);
    // The list takes the window's colours.
    defilement->viewport()->setAutoFillBackground(false);
    liste_->setAutoFillBackground(false);
    disposition->addWidget(defilement, 1);
}

namespace {
// Tall enough for the rows, up to a size that fits any screen.
int hauteurPour(qsizetype lignes) { return qBound(260, 150 + int(lignes) * 26, 600); }
} // namespace

TFrmSelChamps::TFrmSelChamps(ContexteEcrans& contexte, const QList<TColonneGrille>& colonnes, QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
    , colonnes_(colonnes)
{
    construire(u"Sélectionnez les colonnes que vous souhaitez faire apparaitre dans la grille."_qs);
    std::stable_sort(colonnes_.begin(), colonnes_.end(),
                     [](const TColonneGrille& a, const TColonneGrille& b) { return a.NumOrdre < b.NumOrdre; });
    auto* grille = new QVBoxLayout(liste_);
    grille->setSpacing(4);
    for (const TColonneGrille& c : colonnes_) {
        auto* caseColonne = new QCheckBox(c.Titre, liste_);
        caseColonne->setObjectName(QStringLiteral("Chk") + c.NomChamp);
        caseColonne->setChecked(c.AffGrille);
        grille->addWidget(caseColonne);
        cases_.append(caseColonne);
    }
    grille->addStretch(1);
    resize(440, hauteurPour(colonnes_.size()));
}

TFrmSelChamps::TFrmSelChamps(ContexteEcrans& contexte, const QList<THebergementChoix>& hebergements,
                             QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
    , modeHebergements_(true)
    , hebergements_(hebergements)
{
    construire(u"Sélectionnez un hébergement source (à gauche) et un ou plusieurs hébergements destination (à droite)"_qs);
    auto* grille = new QGridLayout(liste_);
    grille->setHorizontalSpacing(24);
    grille->setVerticalSpacing(4);
    auto* titreSource = new QLabel(QStringLiteral("Source"), liste_);
    auto* titreDestination = new QLabel(QStringLiteral("Destination"), liste_);
    QFont gras = titreSource->font();
    gras.setBold(true);
    titreSource->setFont(gras);
    titreDestination->setFont(gras);
    grille->addWidget(titreSource, 0, 0);
    grille->addWidget(titreDestination, 0, 1, Qt::AlignRight);
    groupeSources_ = new QButtonGroup(this);
    groupeSources_->setExclusive(true);
    for (int i = 0; i < hebergements_.size(); ++i) {
        const THebergementChoix& h = hebergements_.at(i);
        auto* source = new QRadioButton(h.Nom, liste_);
        source->setObjectName(QStringLiteral("RbSource%1").arg(h.Identifiant));
        source->setChecked(h.Source);
        auto* destination = new QCheckBox(liste_);
        destination->setObjectName(QStringLiteral("ChkDestination%1").arg(h.Identifiant));
        destination->setChecked(h.Destination);
        groupeSources_->addButton(source, i);
        grille->addWidget(source, i + 1, 0);
        grille->addWidget(destination, i + 1, 1, Qt::AlignRight);
        sources_.append(source);
        destinations_.append(destination);
    }
    // The source is never one of the destinations.
    connect(groupeSources_, &QButtonGroup::idToggled, this, [this](int id, bool coche) {
        QCheckBox* destination = destinations_.value(id);
        if (!destination) return;
        if (coche) destination->setChecked(false);
        destination->setEnabled(!coche);
    });
    for (int i = 0; i < sources_.size(); ++i)
        if (sources_.at(i)->isChecked()) destinations_.at(i)->setEnabled(false);
    grille->setRowStretch(int(hebergements_.size()) + 1, 1);
    grille->setColumnStretch(0, 1);
    resize(480, hauteurPour(hebergements_.size() + 1));
}

bool TFrmSelChamps::Valider()
{
    if (!modeHebergements_) {
        const bool uneCase = std::any_of(cases_.cbegin(), cases_.cend(), [](QCheckBox* c) { return c->isChecked(); });
        if (!uneCase) {
            dialogues().information(u"Vous devez sélectionner au moins une colonne."_qs);
            return false;
        }
        for (int i = 0; i < colonnes_.size(); ++i) colonnes_[i].AffGrille = cases_.at(i)->isChecked();
        return true;
    }
    QList<THebergementChoix> choix = hebergements_;
    int nombreSources = 0;
    int nombreDestinations = 0;
    for (int i = 0; i < choix.size(); ++i) {
        choix[i].Source = sources_.at(i)->isChecked();
        // The source is never its own destination.
        choix[i].Destination = destinations_.at(i)->isChecked() && !choix[i].Source;
        nombreSources += choix[i].Source ? 1 : 0;
        nombreDestinations += choix[i].Destination ? 1 : 0;
    }
    if (nombreSources != 1) {
        dialogues().information(u"Vous devez sélectionner un seul hébergement source."_qs);
        return false;
    }
    if (nombreDestinations == 0) {
        dialogues().information(u"Vous devez sélectionner au moins un hébergement destination"_qs);
        return false;
    }
    hebergements_ = choix;
    return true;
}

bool TFrmSelChamps::ChoisirColonnes(ContexteEcrans& contexte, QList<TColonneGrille>& colonnes, QWidget* parent)
{
    TFrmSelChamps dialogue(contexte, colonnes, parent);
    if (dialogue.exec() != QDialog::Accepted) return false;
    colonnes = dialogue.colonnes();
    return true;
}

bool TFrmSelChamps::ChoisirHebergements(ContexteEcrans& contexte, QList<THebergementChoix>& hebergements,
                                        QWidget* parent)
{
    TFrmSelChamps dialogue(contexte, hebergements, parent);
    if (dialogue.exec() != QDialog::Accepted) return false;
    hebergements = dialogue.hebergements();
    return true;
}

} // namespace velorin
