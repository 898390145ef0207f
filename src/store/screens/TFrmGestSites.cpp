#include "store/screens/TFrmGestSites.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Fichiers.h"
#include "store/DMCommun.h"
#include "ui/MessagesFenetre.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace velorin {

namespace {
enum Colonne { ColNom, ColDossier };
}

TFrmGestSites::TFrmGestSites(ContexteEcrans& contexte, QString siteCourant, QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
    , siteCourant_(std::move(siteCourant))
{
    setWindowTitle(u"Gestion des sites"_qs);

    auto* disposition = new QVBoxLayout(centre());
    disposition->setContentsMargins(12, 12, 12, 8);
    disposition->setSpacing(8);
    auto* boutons = new QHBoxLayout;
    auto* ajouter = new QPushButton(u"Ajouter un site"_qs, centre());
    ajouter->setObjectName(QStringLiteral("BtnAjouterSite"));
    auto* supprimer = new QPushButton(u"Supprimer un site"_qs, centre());
    supprimer->setObjectName(QStringLiteral("BtnSupprimerSite"));
    boutons->addWidget(ajouter);
    boutons->addWidget(supprimer);
    boutons->addStretch(1);
    disposition->addLayout(boutons);

    grille_ = new QTableWidget(0, 2, centre());
    grille_->setObjectName(QStringLiteral("GrilleSites"));
    grille_->setHorizontalHeaderLabels({u"Site"_qs, u"Dossier des données"_qs});
    grille_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grille_->setSelectionMode(QAbstractItemView::SingleSelection);
    grille_->verticalHeader()->hide();
    grille_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 16);
    grille_->horizontalHeader()->setStretchLastSection(true);
    grille_->setColumnWidth(ColNom, 180);
    disposition->addWidget(grille_, 1);

    connect(ajouter, &QPushButton::clicked, this, &TFrmGestSites::AjouterSite);
    connect(supprimer, &QPushButton::clicked, this, &TFrmGestSites::SupprimerSite);

    for (const Site& site : commun().info().sites()) ajouterLigne(site);
    if (grille_->rowCount() > 0) grille_->selectRow(0);
    resize(700, 380);
}

void TFrmGestSites::ajouterLigne(const Site& site)
{
    const int ligne = grille_->rowCount();
    grille_->insertRow(ligne);
    auto* item = new QTableWidgetItem(site.nom);
    // The row of the site in use stays known when its name is edited.
    item->setData(Qt::UserRole, site.nom.trimmed().compare(siteCourant_.trimmed(), Qt::CaseInsensitive) == 0);
    grille_->setItem(ligne, ColNom, item);

    auto* cellule = new QWidget(grille_);
    auto* disposition = new QHBoxLayout(cellule);
    disposition->setContentsMargins(2, 1, 2, 1);
    disposition->setSpacing(2);
    auto* edition = new QLineEdit(site.dossier, cellule);
    edition->setObjectName(QStringLiteral("edDossier"));
    edition->setFrame(false);
    edition->installEventFilter(this);
    auto* choisir = new QToolButton(cellule);
    choisir->setObjectName(QStringLiteral("BtnChoisirDossier"));
    choisir->setText(QStringLiteral("…"));
    choisir->setToolTip(u"Choisir le dossier des données du site"_qs);
    disposition->addWidget(edition, 1);
    disposition->addWidget(choisir);
    grille_->setCellWidget(ligne, ColDossier, cellule);
    connect(choisir, &QToolButton::clicked, this, [this, choisir] {
        const int l = ligneDe(choisir);
        if (l < 0) return;
        grille_->selectRow(l);
        ChoisirDossier(l);
    });
    connect(edition, &QLineEdit::textEdited, this, [this, edition] {
        if (const int l = ligneDe(edition); l >= 0) grille_->selectRow(l);
    });
}

int TFrmGestSites::ligneDe(const QWidget* controle) const
{
    for (int l = 0; l < grille_->rowCount(); ++l) {
        const QWidget* cellule = grille_->cellWidget(l, ColDossier);
        if (cellule && (cellule == controle || cellule->isAncestorOf(controle))) return l;
    }
    return -1;
}

bool TFrmGestSites::eventFilter(QObject* objet, QEvent* evenement)
{
    // Entering a folder selects its row, as a click on the name does.
    if (evenement->type() == QEvent::FocusIn)
        if (auto* controle = qobject_cast<QWidget*>(objet); controle && ligneDe(controle) >= 0)
            grille_->selectRow(ligneDe(controle));
    return T_FrmSaisieStd::eventFilter(objet, evenement);
}

QLineEdit* TFrmGestSites::editionDossier(int ligne) const
{
    QWidget* cellule = grille_->cellWidget(ligne, ColDossier);
    return cellule ? cellule->findChild<QLineEdit*>() : nullptr;
}

QString TFrmGestSites::nom(int ligne) const
{
    const QTableWidgetItem* item = grille_->item(ligne, ColNom);
    return item ? item->text().trimmed() : QString();
}

QList<Site> TFrmGestSites::sites() const
{
    QList<Site> resultat;
    for (int l = 0; l < grille_->rowCount(); ++l) resultat.append({nom(l), editionDossier(l)->text().trimmed()});
    return resultat;
}

QString TFrmGestSites::dossierAbsolu(const QString& dossier) const
{
    return QDir::cleanPath(QDir(commun().dossierProgramme()).absoluteFilePath(dossier));
}

void TFrmGestSites::AjouterSite()
{
    int n = 1;
    const QList<Site> existants = sites();
    const auto utilise = [&existants](const QString& candidat) {
        return std::any_of(existants.begin(), existants.end(),
            [&candidat](const Site& s) { return s.nom.compare(candidat, Qt::CaseInsensitive) == 0; });
    };
    while (utilise(u"Nouveau site "_qs + QString::number(n))) ++n;
    ajouterLigne({u"Nouveau site "_qs + QString::number(n), {}});
    grille_->selectRow(grille_->rowCount() - 1);
}

void TFrmGestSites::ChoisirDossier(int ligne)
{
    QLineEdit* edition = editionDossier(ligne);
    if (!edition) return;
    const QString actuel = edition->text().trimmed();
    const QString depart = actuel.isEmpty() ? commun().dossierProgramme() : dossierAbsolu(actuel);
    const QString choisi
        = dialogues().choisirDossier(u"Sélectionnez le dossier des données du site "_qs + nom(ligne), depart);
    if (!choisi.isEmpty()) edition->setText(QDir::toNativeSeparators(choisi));
}

bool TFrmGestSites::donneesSupprimables(int ligne, const QString& dossier) const
{
    // Never the folder in use, the program's own, or one another site still names.
    const QString cible = dossierAbsolu(dossier);
    const auto meme = [&cible](const QString& autre) { return cible.compare(autre, Qt::CaseInsensitive) == 0; };
    if (meme(QDir::cleanPath(commun().dossierDonnees())) || meme(QDir::cleanPath(commun().dossierProgramme())))
        return false;
    for (int l = 0; l < grille_->rowCount(); ++l) {
        if (l == ligne) continue;
        const QString autre = editionDossier(l)->text().trimmed();
        if (!autre.isEmpty() && meme(dossierAbsolu(autre))) return false;
    }
    return true;
}

void TFrmGestSites::SupprimerSite()
{
    const QModelIndexList selection = grille_->selectionModel()->selectedRows();
    if (selection.isEmpty()) {
        dialogues().avertissement(u"Sélectionnez tout d'abord un site pour le supprimer."_qs);
        return;
    }
    const int ligne = selection.first().row();
    const QString nomSite = nom(ligne);
    const QTableWidgetItem* item = grille_->item(ligne, ColNom);
    if ((item && item->data(Qt::UserRole).toBool()) || nomSite.compare(siteCourant_.trimmed(), Qt::CaseInsensitive) == 0) {
        dialogues().avertissement(
            u"Il n'est pas possible de supprimer ce site car il est actuellement le site sélectionné."_qs);
        return;
    }
    if (!dialogues().question(u"Confirmez-vous la suppresion du site "_qs + nomSite)) return;
    if (dialogues().question(u"Voulez-vous également supprimer les données associées à ce site ?"_qs)) {
        const QString dossier = editionDossier(ligne)->text().trimmed();
        if (!dossier.isEmpty() && QDir(dossierAbsolu(dossier)).exists()) {
            if (!donneesSupprimables(ligne, dossier)) {
                dialogues().avertissement(
                    u"Les données de ce site n'ont pas été supprimées, car son dossier est aussi celui du programme, "
                    u"du site sélectionné ou d'un autre site."_qs);
            } else {
                try {
                    fichiers::viderDossier(dossierAbsolu(dossier));
                } catch (const std::exception& e) {
                    dialogues().erreur(u"Erreur lors de la suppression des données du site "_qs + nomSite + u" : "_qs
                        + texteErreur(e));
                }
            }
        }
    }
    grille_->removeRow(ligne);
}

bool TFrmGestSites::Valider()
{
    // Names first: each one becomes a key of [Sites], where two names differing only by
    // letter case, or a name holding '=', would lose a site.
    for (int l = 0; l < grille_->rowCount(); ++l) {
        const QString n = nom(l);
        QString refus;
        if (n.isEmpty())
            refus = u"Vous devez indiquer un nom pour chaque site."_qs;
        else if (n.contains(QLatin1Char('=')) || n.startsWith(QLatin1Char(';')) || n.startsWith(QLatin1Char('[')))
            refus = u"Le nom du site \""_qs + n + u"\" ne peut pas contenir le caractère = ni commencer par ; ou [."_qs;
        for (int autre = 0; refus.isEmpty() && autre < l; ++autre)
            if (nom(autre).compare(n, Qt::CaseInsensitive) == 0)
                refus = u"Le nom de site \""_qs + n + u"\" est utilisé plusieurs fois."_qs;
        if (!refus.isEmpty()) {
            dialogues().avertissement(refus);
            grille_->setFocus();
            grille_->selectRow(l);
            return false;
        }
    }

    for (int l = 0; l < grille_->rowCount(); ++l) {
        const QString n = nom(l);
        QLineEdit* edition = editionDossier(l);
        const QString dossier = edition->text().trimmed();
        if (dossier.isEmpty()) {
            dialogues().avertissement(
                u"Vous devez indiquer un dossier de destination pour le site \""_qs + n + u"\"."_qs);
            grille_->setFocus();
            grille_->selectRow(l);
            return false;
        }
        const QString absolu = dossierAbsolu(dossier);
        edition->setText(QDir::toNativeSeparators(absolu));
        if (QDir(absolu).exists()) continue;
        if (!dialogues().question(
                u"Le dossier spécifié pour le site \""_qs + n + u"\" n'existe pas, voulez-vous le créer"_qs))
            continue;
        if (!QDir().mkpath(absolu)) {
            dialogues().erreur(u"Impossible de créer le dossier "_qs + QDir::toNativeSeparators(absolu));
            grille_->setFocus();
            grille_->selectRow(l);
            return false;
        }
    }

    if (!commun().info().setSites(sites())) {
        dialogues().erreur(InfoIni::messageEcritureImpossible());
        return false;
    }
    envoyerMessage(contexte().fenetrePrincipale, WMMajSites);
    return true;
}

} // namespace velorin
