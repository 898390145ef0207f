#pragma once

#include <QString>

#include <exception>
#include <initializer_list>

namespace velorin {

class BaseDonnees;
class DMCommun;
class Progression;

// The repairs applied at start-up to data written by older versions, in their order. Each
// one reports into the progress (none in tests), runs its statements in one transaction,
// and shows its own failure without stopping the others.
class Reparations {
public:
    Reparations(DMCommun& commun, Progression* progression);

    // 1. Before the verification: the column-chooser table.
    void reparerColGrille();
    // 2. to 9., after the verification.
    void reparerDonnees();

    // The repairs one by one, in the order of reparerDonnees.
    void creerFacturesManquantes();        // 2
    void convertirRemarques();             // 3
    void convertirRemarquesReservations(); // 4
    void rangerDocuments();                // 5
    void referencesFactures();             // 6
    void referencesRecettes();             // 7
    void nettoyerCatalogue();              // 8
    void creerHotesManquants();            // 9

    // Declared type of a column (upper case), empty when the table or column is missing.
    static QString typeDeclare(BaseDonnees& base, const QString& table, const QString& colonne);
    // True for a declared type of text of any length written by an older version.
    static bool estMemo(const QString& typeDeclare);

private:
    void libelle(const QString& texte);
    void avancer(int position, int maximum);
    void signaler(const QString& phrase, const std::exception& e);
    bool tablesPresentes(std::initializer_list<const char*> tables);

    DMCommun& commun_;
    BaseDonnees& base_;
    Progression* progression_;
};

} // namespace velorin
