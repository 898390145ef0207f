#include "ui/T_FrmRecherchePI.h"

#include "app/DatesFr.h"
#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "store/DMCommun.h"
#include "ui/EditMajuscules.h"
#include "ui/Edition.h"
#include "ui/ExportListe.h"
#include "ui/GrilleListe.h"
#include "ui/Navigateur.h"
#include "ui/PanneauDegrade.h"
#include "ui/TFrmSelChamps.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace velorin {

namespace {
const QStringList colonnesTva{QStringLiteral("ht1"),  QStringLiteral("ht2"),  QStringLiteral("taux1"),
                              QStringLiteral("taux2"), QStringLiteral("tva1"), QStringLiteral("tva2"),
                              QStringLiteral("ttc1"),  QStringLiteral("ttc2")};

QStringList colonnesDuTri(const QString& colonnes)
{
    QStringList liste;
    const auto morceaux = colonnes.split(QRegularExpression(QStringLiteral("[;,]")), Qt::SkipEmptyParts);
    for (const QString& m : morceaux)
        if (!m.trimmed().isEmpty()) liste.append(m.trimmed());
    return liste;
}

QString nomGrille() { return QStringLiteral("Grille"); }
} // namespace

T_FrmRecherchePI::T_FrmRecherchePI(ContexteEcrans& contexte, QWidget* parent) : T_FrmPI(contexte, parent)
{
    construireEcran();
    resize(780, 520);
}

T_FrmRecherchePI::~T_FrmRecherchePI() = default;

void T_FrmRecherchePI::construireEcran()
{
    auto* principale = new QVBoxLayout(centre());
    principale->setContentsMargins(8, 8, 8, 6);
    principale->setSpacing(6);

    // Top bar: message, sort, column chooser, refresh, navigator.
    auto* haut = new QHBoxLayout;
    haut->setSpacing(8);
    lblMessage_ = new QLabel(centre());
    lblMessage_->setObjectName(QStringLiteral("LblMessage"));
    lblMessage_->setWordWrap(true);
    haut->addWidget(lblMessage_, 1);
    lblTri_ = new QLabel(QStringLiteral("Tri par"), centre());
    lblTri_->setObjectName(QStringLiteral("LblTri"));
    haut->addWidget(lblTri_);
    cbTri_ = new QComboBox(centre());
    cbTri_->setObjectName(QStringLiteral("CbTri"));
    cbTri_->setMinimumContentsLength(14);
    cbTri_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lblTri_->setBuddy(cbTri_);
    haut->addWidget(cbTri_);
    btnSelChamps_ = new QToolButton(centre());
    btnSelChamps_->setObjectName(QStringLiteral("BtnSelChamps"));
    btnSelChamps_->setText(QStringLiteral("Colonnes..."));
    btnSelChamps_->setToolTip(u"Sélectionner les colonnes affichées dans la grille"_qs);
    haut->addWidget(btnSelChamps_);
    btnActualiser_ = new QToolButton(centre());
    btnActualiser_->setObjectName(QStringLiteral("BtnActualiser"));
    btnActualiser_->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    btnActualiser_->setToolTip(u"Actualiser les données affichées"_qs);
    btnActualiser_->setVisible(reseau());
    haut->addWidget(btnActualiser_);
    navigateur_ = new Navigateur(centre());
    haut->addWidget(navigateur_);
    principale->addLayout(haut);

    grille_ = new QTableView(centre());
    grille_->setObjectName(nomGrille());
    grille_->setModel(&modele_);
    preparerGrilleListe(*grille_);
    principale->addWidget(grille_, 1);

    panelRecherche_ = new QGroupBox(QStringLiteral("Recherche / filtre sur"), centre());
    panelRecherche_->setObjectName(QStringLiteral("PanelRecherche"));
    auto* recherche = new QHBoxLayout(panelRecherche_);
    recherche->setContentsMargins(8, 4, 8, 8);
    auto* entete = new QWidget(panelRecherche_);
    entete->setObjectName(QStringLiteral("EnteteRecherche"));
    enteteRecherche_ = new QGridLayout(entete);
    enteteRecherche_->setContentsMargins(0, 0, 0, 0);
    enteteRecherche_->setHorizontalSpacing(4);
    enteteRecherche_->setVerticalSpacing(2);
    recherche->addWidget(entete, 1);
    btnFiltrer_ = new QPushButton(QStringLiteral("&Filtrer"), panelRecherche_);
    btnFiltrer_->setObjectName(QStringLiteral("BtnFiltrer"));
    btnRechercher_ = new QPushButton(QStringLiteral("&Rechercher"), panelRecherche_);
    btnRechercher_->setObjectName(QStringLiteral("BtnRechercher"));
    recherche->addWidget(btnFiltrer_, 0, Qt::AlignBottom);
    recherche->addWidget(btnRechercher_, 0, Qt::AlignBottom);
    principale->addWidget(panelRecherche_);

    // Bottom bar: the list's actions on the left, Ok and Quitter on the right.
    btnAjouter_ = new QPushButton(QStringLiteral("&Ajouter"), panelBas());
    btnAjouter_->setObjectName(QStringLiteral("BtnAjouter"));
    btnSupprimer_ = new QPushButton(QStringLiteral("&Supprimer"), panelBas());
    btnSupprimer_->setObjectName(QStringLiteral("BtnSupprimer"));
    btnImprimer_ = new QPushButton(QStringLiteral("&Imprimer la liste"), panelBas());
    btnImprimer_->setObjectName(QStringLiteral("BtnImprimer"));
    btnExporter_ = new QPushButton(QStringLiteral("&Exporter"), panelBas());
    btnExporter_->setObjectName(QStringLiteral("BtnExporter"));
    btnExporter_->setToolTip(QStringLiteral("Permet d'exporter les données sélectionnées vers Excel"));
    barreProgression_ = new QProgressBar(panelBas());
    barreProgression_->setObjectName(QStringLiteral("BarreProgression"));
    barreProgression_->setMaximumWidth(200);
    barreProgression_->hide();
    int position = 0;
    for (QWidget* w : {static_cast<QWidget*>(btnAjouter_), static_cast<QWidget*>(btnSupprimer_),
                       static_cast<QWidget*>(btnImprimer_), static_cast<QWidget*>(btnExporter_),
                       static_cast<QWidget*>(barreProgression_)})
        dispositionBas()->insertWidget(position++, w);
    btnOk_ = ajouterBouton(QStringLiteral("&Ok"), QStringLiteral("BtnOk"));
    btnOk_->hide();
    btnQuitter_ = ajouterBouton(QStringLiteral("&Quitter"), QStringLiteral("BtnQuitter"));

    connect(cbTri_, &QComboBox::currentIndexChanged, this, [this] {
        if (!table_.isEmpty() && isVisible()) RelireSource();
    });
    connect(btnSelChamps_, &QToolButton::clicked, this, &T_FrmRecherchePI::ChoisirColonnes);
    connect(btnActualiser_, &QToolButton::clicked, this, &T_FrmRecherchePI::Actualiser);
    connect(navigateur_, &Navigateur::premier, this, [this] { allerLigne(0); });
    connect(navigateur_, &Navigateur::precedent, this, [this] { allerLigne(qMax(0, ligne_ - 1)); });
    connect(navigateur_, &Navigateur::suivant, this, [this] { allerLigne(qMin(modele_.rowCount() - 1, ligne_ + 1)); });
    connect(navigateur_, &Navigateur::dernier, this, [this] { allerLigne(modele_.rowCount() - 1); });
    connect(btnFiltrer_, &QPushButton::clicked, this, &T_FrmRecherchePI::Filtrer);
    connect(btnRechercher_, &QPushButton::clicked, this, &T_FrmRecherchePI::Rechercher);
    connect(btnAjouter_, &QPushButton::clicked, this, [this] { Ajouter(); });
    connect(btnSupprimer_, &QPushButton::clicked, this, [this] { Supprimer(); });
    connect(btnImprimer_, &QPushButton::clicked, this, &T_FrmRecherchePI::ImprimerListe);
    connect(btnExporter_, &QPushButton::clicked, this, &T_FrmRecherchePI::Exporter);
    connect(btnOk_, &QPushButton::clicked, this, &T_FrmRecherchePI::ValiderSelection);
    connect(btnQuitter_, &QPushButton::clicked, this, [this] { close(); });
    connect(grille_, &QTableView::doubleClicked, this, [this] {
        if (selection_)
            ValiderSelection();
        else
            doubleClicGrille();
    });
    connect(grille_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& courant) {
                if (courant.isValid()) ligne_ = courant.row();
            });
    connect(grille_->horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int taille) {
        if (applicationLargeurs_ || section < 0 || section >= largeursGrille_.size()) return;
        largeursGrille_[section] = taille;
    });
    // Every reset of the rows resets the header: the widths are given back.
    connect(&modele_, &QAbstractItemModel::modelReset, this, &T_FrmRecherchePI::appliquerLargeursGrille);
}

void T_FrmRecherchePI::setTable(const QString& table)
{
    table_ = table;
    typesTable_.clear();
    typesTableLus_ = false;
}

void T_FrmRecherchePI::setConditionFixe(const QString& sql, const QVariantList& valeurs) { fixe_ = {sql, valeurs}; }

void T_FrmRecherchePI::setTypeColonne(const QString& colonne, TypeColonne type, int taille)
{
    typesDeclares_.insert(colonne.toLower(), {colonne, type, taille});
}

QWidget* T_FrmRecherchePI::AjouterRecherche(const QString& colonne, const QString& libelle, QWidget* controle,
                                            int longueurMax)
{
    if (!controle) {
        auto* edit = new EditMajuscules;
        edit->setObjectName(QStringLiteral("edRecherche") + colonne);
        if (longueurMax > 0) edit->setMaxLength(longueurMax);
        controle = edit;
    }
    const int index = int(champs_.size());
    champs_.append({colonne, libelle, controle});
    auto* titre = new QLabel(libelle, panelRecherche_);
    titre->setObjectName(QStringLiteral("LblRecherche%1").arg(index));
    titre->setFrameStyle(QFrame::Panel | QFrame::Raised);
    titre->setAlignment(Qt::AlignCenter);
    titre->setBuddy(controle);
    // The sections share the header's width equally.
    titre->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    controle->setSizePolicy(QSizePolicy::Ignored, controle->sizePolicy().verticalPolicy());
    controle->setMinimumWidth(60);
    enteteRecherche_->addWidget(titre, 0, index);
    enteteRecherche_->addWidget(controle, 1, index);
    enteteRecherche_->setColumnStretch(index, 1);
    controle->installEventFilter(this);
    if (auto* edit = qobject_cast<QLineEdit*>(controle))
        connect(edit, &QLineEdit::textEdited, this, [this, index] { rechercheDirecte(index); });
    return controle;
}

void T_FrmRecherchePI::AjouterTri(const QString& colonnes, const QString& libelle)
{
    const QStringList nouvelles = colonnesDuTri(colonnes);
    for (const Tri& t : tris_)
        if (colonnesDuTri(t.colonnes).join(u',').compare(nouvelles.join(u','), Qt::CaseInsensitive) == 0) return;
    tris_.append({colonnes, libelle});
    const QSignalBlocker blocage(cbTri_);
    cbTri_->addItem(libelle);
}

void T_FrmRecherchePI::AjouterColonne(const QString& nomChamp, const QString& titre, int largeur)
{
    QList<ColonneAffichee> colonnes = modele_.colonnesGrille();
    colonnes.append({nomChamp, titre, largeur});
    largeursGrille_.append(largeur);
    modele_.setColonnesGrille(colonnes);
}

void T_FrmRecherchePI::setMessage(const QString& texte)
{
    lblMessage_->setText(texte);
    lblMessage_->setToolTip(texte);
}

void T_FrmRecherchePI::EntrerModeSelection(const QString& colonnesRetour, bool retourEntier)
{
    selection_ = true;
    colonnesRetour_ = colonnesRetour;
    retourEntier_ = retourEntier;
    for (QPushButton* b : {btnAjouter_, btnSupprimer_, btnImprimer_, btnExporter_}) b->hide();
    btnOk_->show();
}

void T_FrmRecherchePI::EntrerModeMultiSelection(const QString& colonnesRetour)
{
    EntrerModeSelection(colonnesRetour);
    multiSelection_ = true;
    modele_.setCochable(true);
    grille_->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

void T_FrmRecherchePI::setEdition(std::shared_ptr<Edition> edition, const QString& libelle, const QString& titre)
{
    edition_ = std::move(edition);
    libelleEdition_ = libelle;
    titreEdition_ = titre;
}

void T_FrmRecherchePI::setChoixColonnesPossible(bool possible)
{
    choixColonnes_ = possible;
    btnSelChamps_->setVisible(possible);
}

void T_FrmRecherchePI::allerLigne(int ligne)
{
    if (ligne < 0 || ligne >= modele_.rowCount()) return;
    ligne_ = ligne;
    if (modele_.columnCount() > 0) {
        const QModelIndex index = modele_.index(ligne, qMax(0, grille_->currentIndex().column()));
        grille_->setCurrentIndex(index);
        grille_->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        grille_->scrollTo(index);
    }
}

// ---- Statement

ConditionSql T_FrmRecherchePI::instruction() const
{
    ConditionSql instruction;
    QStringList affichees;
    for (const ColonneAffichee& c : modele_.colonnesGrille()) affichees.append(c.nomChamp);
    if (distinct_ && !affichees.isEmpty())
        instruction.sql = QStringLiteral("SELECT DISTINCT ") + affichees.join(QStringLiteral(", "));
    else
        instruction.sql = QStringLiteral("SELECT *");
    instruction.sql += QStringLiteral(" FROM ") + table_;
    // Each condition keeps its own meaning whatever the other holds.
    if (!filtre_.estVide()) {
        instruction.sql += QStringLiteral(" WHERE (") + filtre_.sql + QLatin1Char(')');
        instruction.valeurs += filtre_.valeurs;
    }
    if (!fixe_.estVide()) {
        instruction.sql += (filtre_.estVide() ? QStringLiteral(" WHERE (") : QStringLiteral(" AND (")) + fixe_.sql +
                           QLatin1Char(')');
        instruction.valeurs += fixe_.valeurs;
    }
    const int tri = cbTri_->currentIndex();
    if (tri >= 0 && tri < tris_.size())
        instruction.sql += QStringLiteral(" ORDER BY ") + colonnesDuTri(tris_.at(tri).colonnes).join(QStringLiteral(", "));
    return instruction;
}

QHash<QString, ColonneSource> T_FrmRecherchePI::typesSource()
{
    static const QRegularExpression identifiant(QStringLiteral("^\\w+$"));
    if (!typesTableLus_ && identifiant.match(table_).hasMatch()) {
        typesTableLus_ = true;
        try {
            QSqlQuery info = commun().base().executer(QStringLiteral("PRAGMA table_info(%1)").arg(table_));
            while (info.next()) {
                ColonneSource colonne;
                colonne.nom = info.value(1).toString();
                colonne.type = typeDeclare(info.value(2).toString(), &colonne.taille);
                typesTable_.insert(colonne.nom.toLower(), colonne);
            }
        } catch (const std::exception&) {
            // Without declared types the values tell the kinds.
        }
    }
    QHash<QString, ColonneSource> types = typesTable_;
    for (auto it = typesDeclares_.cbegin(); it != typesDeclares_.cend(); ++it) types.insert(it.key(), it.value());
    return types;
}

QList<ColonneSource> T_FrmRecherchePI::colonnesConnues()
{
    if (modele_.estOuvert()) return modele_.colonnesSource();
    return typesSource().values();
}

void T_FrmRecherchePI::RelireSource()
{
    if (table_.isEmpty()) return;
    const QVariant identifiant = modele_.valeur(ligne_, QStringLiteral("Identifiant"));
    const int ancienneLigne = ligne_;
    const ConditionSql requete = instruction();
    try {
        modele_.charger(commun().base(), requete.sql, requete.valeurs, typesSource());
    } catch (const std::exception& e) {
        modele_.vider();
        dialogues().erreur(u"Erreur lors de la lecture des données de la liste : "_qs + texteErreur(e));
    }
    if (modele_.colonnesGrille().isEmpty() && !modele_.colonnesSource().isEmpty()) {
        // A list without declared columns shows its data's short columns.
        for (const ColonneSource& c : modele_.colonnesSource())
            if (c.type != TypeColonne::TexteLong) AjouterColonne(c.nom, c.nom, largeurParDefaut(c));
    }
    ligne_ = -1;
    int ligne = modele_.ligneIdentifiant(identifiant);
    if (ligne < 0) ligne = qMin(qMax(ancienneLigne, 0), modele_.rowCount() - 1);
    allerLigne(ligne);
    navigateur_->setEnabled(modele_.rowCount() > 0);
}

// ---- Searching and filtering

ConditionSql T_FrmRecherchePI::TexteFiltre(QWidget*, const QString&) { return {}; }

bool T_FrmRecherchePI::ValeurRecherche(QWidget*, QString&, QVariant&) { return false; }

void T_FrmRecherchePI::EnregistrementDisponible(bool) {}

void T_FrmRecherchePI::Filtrer()
{
    ConditionSql condition;
    const auto ajouter = [&condition](const ConditionSql& partie) {
        if (partie.estVide()) return;
        if (!condition.sql.isEmpty()) condition.sql += QStringLiteral(" and ");
        condition.sql += partie.sql;
        condition.valeurs += partie.valeurs;
    };
    const QList<ColonneSource> connues = colonnesConnues();
    for (const ChampRecherche& champ : champs_) {
        auto* edit = qobject_cast<QLineEdit*>(champ.controle.data());
        if (!edit) {
            ajouter(TexteFiltre(champ.controle, champ.colonne));
            continue;
        }
        const QString texte = edit->text().trimmed();
        if (texte.isEmpty()) continue;
        const auto colonne = std::find_if(connues.cbegin(), connues.cend(), [&champ](const ColonneSource& c) {
            return c.nom.compare(champ.colonne, Qt::CaseInsensitive) == 0;
        });
        if (colonne == connues.cend()) {
            ajouter(TexteFiltre(edit, champ.colonne));
            continue;
        }
        switch (colonne->type) {
        case TypeColonne::Date:
        case TypeColonne::DateHeure: {
            const QDate jour = dates::lireCourte(texte);
            if (!jour.isValid()) {
                dialogues().information(u"« "_qs + texte + u" » n'est pas une date valide."_qs);
                edit->setFocus();
                return;
            }
            // A date and time column matches the records of that day.
            const QString expression =
                colonne->type == TypeColonne::Date ? champ.colonne : QStringLiteral("substr(%1, 1, 10)").arg(champ.colonne);
            ajouter({expression + QStringLiteral(" = ?"), {jour.toString(Qt::ISODate)}});
            break;
        }
        case TypeColonne::Entier:
        case TypeColonne::Reel: {
            bool ok = false;
            double nombre = QLocale(QLocale::French).toDouble(texte, &ok);
            if (!ok) nombre = QLocale::c().toDouble(texte, &ok);
            if (!ok) {
                dialogues().information(u"« "_qs + texte + u" » n'est pas un nombre valide."_qs);
                edit->setFocus();
                return;
            }
            ajouter({champ.colonne + QStringLiteral(" = ?"), {nombre}});
            break;
        }
        case TypeColonne::Booleen: {
            const bool vrai = QStringList{u"OUI"_qs, u"O"_qs, u"1"_qs, u"VRAI"_qs}.contains(texte.toUpper());
            ajouter({champ.colonne + QStringLiteral(" = ?"), {vrai ? 1 : 0}});
            break;
        }
        default: ajouter({champ.colonne + QStringLiteral(" = ?"), {texte}}); break;
        }
    }
    filtre_ = condition;
    RelireSource();
    grille_->setFocus();
}

int T_FrmRecherchePI::chercher(const QString& colonne, const QVariant& valeur) const
{
    const int index = modele_.indexSource(colonne);
    if (index < 0) return -1;
    const QString cherche = valeur.toString();
    for (int ligne = 0; ligne < modele_.rowCount(); ++ligne)
        if (modele_.texte(ligne, index).startsWith(cherche, Qt::CaseInsensitive)) return ligne;
    return -1;
}

void T_FrmRecherchePI::rechercheDirecte(int numero)
{
    const ChampRecherche& champ = champs_.at(numero);
    auto* edit = qobject_cast<QLineEdit*>(champ.controle.data());
    if (!edit) return;
    const int index = modele_.indexSource(champ.colonne);
    if (index < 0) {
        allerLigne(0);
        return;
    }
    const TypeColonne type = modele_.colonnesSource().at(index).type;
    int trouvee = -1;
    if (type == TypeColonne::Date || type == TypeColonne::DateHeure) {
        const QDate jour = dates::lireCourte(edit->text().trimmed());
        if (!jour.isValid()) return;
        for (int ligne = 0; ligne < modele_.rowCount() && trouvee < 0; ++ligne)
            if (ModeleListe::dateDe(modele_.valeur(ligne, index)) == jour) trouvee = ligne;
    } else {
        trouvee = chercher(champ.colonne, edit->text());
    }
    if (trouvee >= 0) allerLigne(trouvee);
    EnregistrementDisponible(trouvee >= 0);
}

void T_FrmRecherchePI::Rechercher()
{
    int trouvee = -1;
    for (const ChampRecherche& champ : champs_) {
        QString colonne = champ.colonne;
        QVariant valeur;
        if (auto* edit = qobject_cast<QLineEdit*>(champ.controle.data())) {
            if (edit->text().isEmpty()) continue;
            valeur = edit->text();
        } else if (!ValeurRecherche(champ.controle, colonne, valeur)) {
            continue;
        }
        trouvee = chercher(colonne, valeur);
        if (trouvee >= 0) break;
    }
    if (trouvee >= 0) {
        allerLigne(trouvee);
    } else {
        dialogues().information(u"Enregistrement non trouvé."_qs);
        allerLigne(0);
    }
    grille_->setFocus();
    EnregistrementDisponible(trouvee >= 0);
}

void T_FrmRecherchePI::selectionnerTriDe(const QString& colonne)
{
    for (int i = 0; i < tris_.size(); ++i) {
        const QStringList colonnes = colonnesDuTri(tris_.at(i).colonnes);
        if (colonnes.size() == 1 && colonnes.first().compare(colonne, Qt::CaseInsensitive) == 0) {
            if (cbTri_->currentIndex() != i) cbTri_->setCurrentIndex(i); // reruns the statement
            return;
        }
    }
}

void T_FrmRecherchePI::Actualiser()
{
    RelireSource();
    grille_->setFocus();
}

// ---- Column list

int T_FrmRecherchePI::largeurParDefaut(const ColonneSource& colonne) const
{
    switch (colonne.type) {
    case TypeColonne::Texte: return colonne.taille >= 50 ? 130 : 80;
    case TypeColonne::Entier:
    case TypeColonne::Reel: return 80;
    case TypeColonne::Booleen: return 50;
    case TypeColonne::Date:
    case TypeColonne::Heure:
    case TypeColonne::DateHeure: return 100;
    default: return 50;
    }
}

void T_FrmRecherchePI::construireListeColonnes()
{
    try {
        colonnes_.clear();
        const auto& grille = modele_.colonnesGrille();
        const auto& source = modele_.colonnesSource();
        for (int i = 0; i < source.size(); ++i) {
            const ColonneSource& c = source.at(i);
            const QString minuscules = c.nom.toLower();
            if (c.type == TypeColonne::TexteLong || minuscules == QLatin1String("typeprest") ||
                minuscules == QLatin1String("typecontact") || (!tvaOfferte_ && colonnesTva.contains(minuscules)) ||
                exclusions_.contains(minuscules))
                continue;
            TColonneGrille entree{0, c.nom, minuscules == QLatin1String("societe") ? QStringLiteral("Organisme") : c.nom,
                                  false, 0};
            const auto affichee = std::find_if(grille.cbegin(), grille.cend(), [&c](const ColonneAffichee& a) {
                return a.nomChamp.compare(c.nom, Qt::CaseInsensitive) == 0;
            });
            if (affichee != grille.cend()) {
                const int position = int(affichee - grille.cbegin());
                entree.AffGrille = true;
                entree.NumOrdre = position;
                entree.Titre = affichee->titre;
                entree.Larg = largeursGrille_.value(position) > 0 ? largeursGrille_.value(position)
                                                                  : grille_->columnWidth(position);
            } else {
                entree.Larg = largeurParDefaut(c);
                entree.NumOrdre = int(grille.size()) + i;
            }
            colonnes_.append(entree);
        }
    } catch (const std::exception& e) {
        dialogues().erreur(u"Erreur en enregistrant la liste des champs : "_qs + texteErreur(e));
        modele_.vider();
    }
}

void T_FrmRecherchePI::appliquerColonnes(const QList<TColonneGrille>& colonnes)
{
    QList<ColonneAffichee> grille;
    largeursGrille_.clear();
    for (const TColonneGrille& c : colonnes) {
        if (!c.AffGrille) continue;
        grille.append({c.NomChamp, c.Titre, c.Larg});
        largeursGrille_.append(c.Larg);
    }
    modele_.setColonnesGrille(grille);
    if (ligne_ >= 0) allerLigne(ligne_);
}

void T_FrmRecherchePI::appliquerLargeursGrille()
{
    applicationLargeurs_ = true;
    const auto& grille = modele_.colonnesGrille();
    for (int i = 0; i < grille.size(); ++i) {
        int largeur = largeursGrille_.value(i);
        if (largeur <= 0) {
            const int index = modele_.indexSource(grille.at(i).nomChamp);
            largeur = index >= 0 ? largeurParDefaut(modele_.colonnesSource().at(index)) : 100;
            // Titles stay readable.
            largeur = qMax(largeur, grille_->fontMetrics().horizontalAdvance(grille.at(i).titre) + 24);
        }
        grille_->setColumnWidth(i, largeur);
    }
    applicationLargeurs_ = false;
}

void T_FrmRecherchePI::ChoisirColonnes()
{
    construireListeColonnes();
    if (!TFrmSelChamps::ChoisirColonnes(contexte(), colonnes_, this)) return;
    appliquerColonnes(colonnes_);
    if (distinct_) RelireSource();
}

void T_FrmRecherchePI::appliquerLargeurs()
{
    for (const TLargeurCol& l : largeurs()) {
        if (l.Grille.compare(nomGrille(), Qt::CaseInsensitive) != 0) continue;
        if (l.NumCol >= 0 && l.NumCol < modele_.columnCount() - 1 && l.NumCol < largeursGrille_.size())
            largeursGrille_[l.NumCol] = l.Larg;
    }
    appliquerLargeursGrille();
}

QList<TLargeurCol> T_FrmRecherchePI::collecterLargeurs()
{
    QList<TLargeurCol> collectees;
    for (const TLargeurCol& l : largeurs())
        if (l.Grille.compare(nomGrille(), Qt::CaseInsensitive) != 0) collectees.append(l);
    // The last column fills the grid: its width is not the user's.
    for (int i = 0; i < modele_.columnCount() - 1; ++i) collectees.append({nomGrille(), i, grille_->columnWidth(i)});
    return collectees;
}

// ---- Printing, export, selection

void T_FrmRecherchePI::ImprimerListe()
{
    if (!edition_) {
        dialogues().information(u"Impossible d'imprimer, car aucune édition n'a été définie pour cette fenêtre."_qs);
        return;
    }
    if (!libelleEdition_.isEmpty() && !titreEdition_.isEmpty()) edition_->definirTexte(libelleEdition_, titreEdition_);
    edition_->apercu(this);
}

void T_FrmRecherchePI::Exporter()
{
    if (colonnes_.isEmpty()) construireListeColonnes();
    exporterListe(contexte(), modele_, colonnes_, barreProgression_, grille_);
}

void T_FrmRecherchePI::ValiderSelection()
{
    identifiants_.clear();
    resultatTexte_.clear();
    resultatEntier_ = -1;
    if (multiSelection_) {
        identifiants_ = modele_.identifiantsCoches();
    } else if (ligne_ >= 0) {
        const QStringList noms = colonnesDuTri(colonnesRetour_);
        QStringList valeurs;
        for (const QString& nom : noms) valeurs.append(modele_.valeur(ligne_, nom).toString());
        resultatTexte_ = valeurs.join(QLatin1Char(';'));
        if (noms.size() == 1) {
            const QVariant valeur = modele_.valeur(ligne_, noms.first());
            resultatEntier_ = valeur.isNull() ? -1 : valeur.toInt();
        }
    }
    accept();
}

// ---- Show, close, keys

void T_FrmRecherchePI::preparerAffichage()
{
    T_FrmPI::preparerAffichage();
    panelRecherche_->setVisible(!champs_.isEmpty());
    lblTri_->setVisible(!tris_.isEmpty());
    cbTri_->setVisible(!tris_.isEmpty());
    if (!tris_.isEmpty()) {
        const QSignalBlocker blocage(cbTri_);
        cbTri_->setCurrentIndex(0);
    }
    btnImprimer_->setVisible(!selection_ && edition_ != nullptr);
    barreProgression_->hide();
    btnSelChamps_->setVisible(choixColonnes_);
    if (table_.isEmpty()) return;
    if (choixColonnes_) {
        if (const auto stockees = commun().disposition().LireColonnes(cleFenetre(), nomGrille())) {
            QList<TColonneGrille> colonnes = *stockees;
            std::stable_sort(colonnes.begin(), colonnes.end(),
                             [](const TColonneGrille& a, const TColonneGrille& b) { return a.NumOrdre < b.NumOrdre; });
            if (std::any_of(colonnes.cbegin(), colonnes.cend(), [](const TColonneGrille& c) { return c.AffGrille; }))
                appliquerColonnes(colonnes);
        }
    }
    RelireSource();
    appliquerLargeurs();
    grille_->setFocus();
    // The rows were just read: only a later activation reads them again.
    activationVue_ = true;
    if (auto* sous = qobject_cast<QMdiSubWindow*>(parentWidget()); sous && sous->mdiArea()) {
        connect(sous->mdiArea(), &QMdiArea::subWindowActivated, this, [this, sous](QMdiSubWindow* active) {
            // Coming back to the list shows what other screens changed meanwhile.
            if (active == sous && !activationVue_ && isVisible()) RelireSource();
            activationVue_ = active == sous;
        });
    }
}

bool T_FrmRecherchePI::event(QEvent* evenement)
{
    if (evenement->type() == QEvent::WindowActivate && isWindow()) {
        if (!activationVue_ && isVisible()) RelireSource();
        activationVue_ = true;
    } else if (evenement->type() == QEvent::WindowDeactivate && isWindow()) {
        activationVue_ = false;
    }
    return T_FrmPI::event(evenement);
}

void T_FrmRecherchePI::enregistrerFermeture()
{
    if (choixColonnes_ && !table_.isEmpty()) {
        construireListeColonnes();
        commun().disposition().EnregistrerColonnes(cleFenetre(), nomGrille(), colonnes_);
    }
    T_FrmPI::enregistrerFermeture();
    filtre_ = {};
    modele_.vider();
}

bool T_FrmRecherchePI::touchesNavigation(QKeyEvent* evenement)
{
    switch (evenement->key()) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: grille_->setFocus(); return true;
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        if (!navigateur_->isEnabled()) return false;
        const int derniere = modele_.rowCount() - 1;
        switch (evenement->key()) {
        case Qt::Key_Home: allerLigne(0); break;
        case Qt::Key_End: allerLigne(derniere); break;
        case Qt::Key_Up: allerLigne(qMax(0, ligne_ - 1)); break;
        default: allerLigne(qMin(derniere, ligne_ + 1)); break;
        }
        grille_->setFocus();
        return true;
    }
    default: return false;
    }
}

bool T_FrmRecherchePI::eventFilter(QObject* objet, QEvent* evenement)
{
    const bool champ = std::any_of(champs_.cbegin(), champs_.cend(),
                                   [objet](const ChampRecherche& c) { return c.controle.data() == objet; });
    if (champ) {
        if (evenement->type() == QEvent::KeyPress && qobject_cast<QLineEdit*>(objet) &&
            touchesNavigation(static_cast<QKeyEvent*>(evenement)))
            return true;
        if (evenement->type() == QEvent::FocusIn) {
            for (const ChampRecherche& c : champs_)
                if (c.controle.data() == objet && qobject_cast<QLineEdit*>(objet)) selectionnerTriDe(c.colonne);
        }
    }
    return T_FrmPI::eventFilter(objet, evenement);
}

void T_FrmRecherchePI::keyPressEvent(QKeyEvent* evenement)
{
    if (touchesNavigation(evenement)) return;
    T_FrmPI::keyPressEvent(evenement);
}

} // namespace velorin
