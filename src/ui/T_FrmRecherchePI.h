#pragma once

#include "ui/ModeleListe.h"
#include "ui/T_FrmPI.h"

#include <QPointer>
#include <QVariantList>

#include <memory>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QProgressBar;
class QTableView;
class QToolButton;

namespace velorin {

class Edition;
class Navigateur;

// A condition of a list's statement: SQL text written by the program, with '?' for each
// value, and the values bound in that order.
struct ConditionSql {
    QString sql;
    QVariantList valeurs;
    bool estVide() const { return sql.trimmed().isEmpty(); }
};

// A search field of a list: the column it searches, its caption and its control.
struct ChampRecherche {
    QString colonne;
    QString libelle;
    QPointer<QWidget> controle;
};

// A list screen: the rows of a table (or of any FROM clause) in the grid `Grille`, with
// search fields, live search, "&Rechercher", "&Filtrer", sort choices, the per-workstation
// choice of columns, the printed list, the spreadsheet export, and a selection mode in
// which another screen picks one or several records.
//
// A derived screen, in its constructor:
//     setWindowTitle(u"Liste des hôtes"_qs);
//     setTable(QStringLiteral("Contact"));
//     setConditionFixe(QStringLiteral("TypeContact = ?"), {2});
//     AjouterColonne(QStringLiteral("Nom"), QStringLiteral("Nom"), 150);
//     AjouterRecherche(QStringLiteral("Nom"), QStringLiteral("Nom"), nullptr, 30);
//     AjouterTri(QStringLiteral("Nom;Prenom"), QStringLiteral("Nom"));
//     setEdition(std::make_shared<EditionListe>(modele()), EditionListe::libelleTitre(), u"Liste des hôtes"_qs);
// and overrides Ajouter(), Supprimer() and doubleClicGrille(); the statement runs when the
// screen is first shown (RelireSource). Conditions written by the program may be composed
// into SQL; values typed by the user are always bound.
class T_FrmRecherchePI : public T_FrmPI {
    Q_OBJECT
public:
    explicit T_FrmRecherchePI(ContexteEcrans& contexte, QWidget* parent = nullptr);
    ~T_FrmRecherchePI() override;

    // What the list shows.
    void setTable(const QString& table);
    const QString& table() const { return table_; }
    void setConditionFixe(const QString& sql, const QVariantList& valeurs = {});
    // Only the shown columns, without duplicates.
    void setDistinct(bool distinct) { distinct_ = distinct; }
    // The kind of a column the table does not declare (joins, computed columns).
    void setTypeColonne(const QString& colonne, TypeColonne type, int taille = 0);
    // A search field: an upper-case edit box of at most longueurMax characters (no limit with
    // 0), or the control given. Returns the control.
    QWidget* AjouterRecherche(const QString& colonne, const QString& libelle, QWidget* controle = nullptr,
                              int longueurMax = 0);
    // A sort choice: columns separated by ';' (or ','), and its caption.
    void AjouterTri(const QString& colonnes, const QString& libelle);
    // A default column of the grid; 0 keeps the default width of its kind.
    void AjouterColonne(const QString& nomChamp, const QString& titre, int largeur = 0);
    void setMessage(const QString& texte);
    // Selection mode: the values of colonnesRetour (names separated by ';') of the record
    // chosen, as text, or as an integer when there is one column and retourEntier is set.
    void EntrerModeSelection(const QString& colonnesRetour, bool retourEntier = false);
    // Multi-selection: check boxes on the rows; the result is the Identifiant of every ticked row.
    void EntrerModeMultiSelection(const QString& colonnesRetour = QStringLiteral("Identifiant"));
    void setColonnesTvaOffertes(bool offertes) { tvaOfferte_ = offertes; }
    void ajouterExclusion(const QString& colonne) { exclusions_.append(colonne.toLower()); }
    // The printout of "&Imprimer la liste", and the label of it that receives the title.
    void setEdition(std::shared_ptr<Edition> edition, const QString& libelle = {}, const QString& titre = {});
    // Whether the column chooser is offered (it is by default).
    void setChoixColonnesPossible(bool possible);

    bool modeSelection() const { return selection_; }
    bool modeMultiSelection() const { return multiSelection_; }
    const QString& resultatTexte() const { return resultatTexte_; }
    int resultatEntier() const { return resultatEntier_; }
    const QList<int>& identifiantsSelectionnes() const { return identifiants_; }

    QTableView* grille() const { return grille_; }
    ModeleListe& modele() { return modele_; }
    int ligneCourante() const { return ligne_; }
    void allerLigne(int ligne);
    QVariant valeurCourante(const QString& colonne) const { return modele_.valeur(ligne_, colonne); }
    const ConditionSql& filtre() const { return filtre_; }
    // The statement RelireSource runs.
    ConditionSql instruction() const;
    const QList<ChampRecherche>& champsRecherche() const { return champs_; }

    // The column list: every column the chooser offers, shown or not.
    QList<TColonneGrille>& colonnes() { return colonnes_; }
    void construireListeColonnes();
    // The grid shows the shown entries, in list order.
    void appliquerColonnes(const QList<TColonneGrille>& colonnes);

    // Reruns the statement, keeping the current record when it is still there.
    virtual void RelireSource();
    void Filtrer();
    void Rechercher();
    void Actualiser();
    void ChoisirColonnes();
    void Exporter();
    void ImprimerListe();
    // "&Ok" of the selection modes.
    void ValiderSelection();

protected:
    // Condition of a search field whose control is not an edit box, or whose column the
    // list's data lacks.
    virtual ConditionSql TexteFiltre(QWidget* controle, const QString& colonne);
    // Column and value "&Rechercher" looks for, for a control that is not an edit box.
    virtual bool ValeurRecherche(QWidget* controle, QString& colonne, QVariant& valeur);
    // After a search: whether a record was found.
    virtual void EnregistrementDisponible(bool trouve);
    virtual void Ajouter() {}
    virtual void Supprimer() {}
    // Double click outside the selection modes.
    virtual void doubleClicGrille() {}

    void preparerAffichage() override;
    void enregistrerFermeture() override;
    void appliquerLargeurs() override;
    QList<TLargeurCol> collecterLargeurs() override;
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void keyPressEvent(QKeyEvent* evenement) override;

private:
    struct Tri {
        QString colonnes;
        QString libelle;
    };

    void construireEcran();
    void disposerRecherche();
    QHash<QString, ColonneSource> typesSource();
    QList<ColonneSource> colonnesConnues();
    int largeurParDefaut(const ColonneSource& colonne) const;
    void appliquerLargeursGrille();
    void rechercheDirecte(int champ);
    bool touchesNavigation(QKeyEvent* evenement);
    int chercher(const QString& colonne, const QVariant& valeur) const;
    void selectionnerTriDe(const QString& colonne);

    QString table_;
    ConditionSql fixe_;
    ConditionSql filtre_;
    bool distinct_ = false;
    bool tvaOfferte_ = false;
    bool choixColonnes_ = true;
    bool selection_ = false;
    bool multiSelection_ = false;
    bool retourEntier_ = false;
    bool activationVue_ = false;
    QString colonnesRetour_;
    QString resultatTexte_;
    int resultatEntier_ = -1;
    QList<int> identifiants_;
    QStringList exclusions_;
    QHash<QString, ColonneSource> typesDeclares_;
    QHash<QString, ColonneSource> typesTable_;
    bool typesTableLus_ = false;
    QList<Tri> tris_;
    QList<ChampRecherche> champs_;
    QList<TColonneGrille> colonnes_;
    QList<int> largeursGrille_;
    bool applicationLargeurs_ = false;
    std::shared_ptr<Edition> edition_;
    QString libelleEdition_;
    QString titreEdition_;
    int ligne_ = -1;

    ModeleListe modele_;
    QLabel* lblMessage_ = nullptr;
    QLabel* lblTri_ = nullptr;
    QComboBox* cbTri_ = nullptr;
    QToolButton* btnSelChamps_ = nullptr;
    QToolButton* btnActualiser_ = nullptr;
    Navigateur* navigateur_ = nullptr;
    QTableView* grille_ = nullptr;
    QGroupBox* panelRecherche_ = nullptr;
    QGridLayout* enteteRecherche_ = nullptr;
    QPushButton* btnFiltrer_ = nullptr;
    QPushButton* btnRechercher_ = nullptr;
    QPushButton* btnAjouter_ = nullptr;
    QPushButton* btnSupprimer_ = nullptr;
    QPushButton* btnImprimer_ = nullptr;
    QPushButton* btnExporter_ = nullptr;
    QPushButton* btnOk_ = nullptr;
    QPushButton* btnQuitter_ = nullptr;
    QProgressBar* barreProgression_ = nullptr;
};

} // namespace velorin
