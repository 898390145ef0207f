#pragma once

#include "catalogue/Catalogue.h"
#include "catalogue/Tarification.h"
#include "reservations/Contacts.h"
#include "reservations/LignesSejour.h"
#include "reservations/Reservations.h"
#include "store/AccesDonnees.h"
#include "store/Options.h"

#include <QDate>

#include <QString>

namespace velorin {

class DMCommun;

// The business data module: the services of every subsystem over the database of the
// current data folder.
class DMVelorin {
public:
    explicit DMVelorin(DMCommun& commun);

    // The creation steps run at start-up: point the services at the data folder, the
    // default payment modes, the document folders. Errors are shown and ask for the
    // program to end.
    void creer();

    DMCommun& commun() { return commun_; }
    // Identifiers and the shared lookups.
    AccesDonnees& acces() { return acces_; }
    // The options record and its in-memory copy.
    GestionOptions& options() { return options_; }
    // Accommodations, services and meals, and the shared deletion check.
    Catalogue& catalogue() { return catalogue_; }
    // Tariff types, tariffs, the price of a stay and its deposit.
    Tarification& tarification() { return tarification_; }
    // Guests, the guest house's own record, organisations and suppliers.
    Contacts& contacts() { return contacts_; }
    // Reservations and their planning days.
    Reservations& reservations() { return reservations_; }
    // Extra services and meals of the stays.
    LignesSejour& lignesSejour() { return lignesSejour_; }

    // Points every service at the current data folder.
    void AffecterDossier();
    // Closes everything the module holds open on the data folder.
    void FermerTout();
    // Fills an empty payment modes table with the seven default modes.
    void creerModesPaiement();

    // True while the data of an archive is shown instead of the current period; the
    // archive's first and last day (the planning opens on the first one).
    bool archivesAffichees() const { return archivesAffichees_; }
    QDate debutArchive() const { return debutArchive_; }
    QDate finArchive() const { return finArchive_; }
    // Set by the opening and the leaving of an archive.
    void setArchivesAffichees(bool affichees, const QDate& debut = {}, const QDate& fin = {})
    {
        archivesAffichees_ = affichees;
        debutArchive_ = affichees ? debut : QDate();
        finArchive_ = affichees ? fin : QDate();
    }

private:
    DMCommun& commun_;
    AccesDonnees acces_;
    GestionOptions options_;
    Catalogue catalogue_;
    Tarification tarification_;
    Contacts contacts_;
    Reservations reservations_;
    LignesSejour lignesSejour_;
    bool archivesAffichees_ = false;
    QDate debutArchive_;
    QDate finArchive_;
};

} // namespace velorin
