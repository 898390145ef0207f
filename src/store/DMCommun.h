#pragma once

#include "app/Reglages.h"
#include "app/Services.h"
#include "store/BaseDonnees.h"
#include "store/Disposition.h"

#include <QString>

namespace velorin {

// The common data module: program and data folders, the database of the data folder,
// and what every workstation keeps of its own (layouts, colours, trace).
class DMCommun {
public:
    DMCommun(Services services, const QString& dossierProgramme);

    // The creation steps run at start-up: pending schema description, refresh period,
    // choice and creation of the data folder, the database. Errors are shown and ask for
    // the program to end (terminaisonDemandee).
    void creer();

    Services& services() { return services_; }
    // Always with a trailing separator.
    const QString& dossierProgramme() const { return dossierProgramme_; }
    // Without a trailing separator; empty when none could be chosen.
    const QString& dossierDonnees() const { return dossierDonnees_; }
    // The data folder of the main site, which keeps the archive register while archived
    // data is shown.
    const QString& dossierDonneesPrincipal() const { return dossierPrincipal_; }
    bool reseau() const { return reseau_; }
    bool terminaisonDemandee() const { return terminaisonDemandee_; }
    void demanderTerminaison() { terminaisonDemandee_ = true; }
    // Refresh period of network installations, in milliseconds.
    int periodeRafraichissement() const { return periodeMs_; }
    void lireFrequence();
    const QString& utilisateurTrace() const { return utilisateurTrace_; }

    InfoIni& info() { return info_; }
    // The database of the current data folder.
    BaseDonnees& base() { return base_; }
    QString fichierBase() const;
    // The archive register, in the main data folder whatever folder is current, so that a
    // restore or an opened archive never touches it.
    BaseDonnees& baseArchives() { return baseArchives_; }
    // The database that holds a table: the archive register's own, or the data folder's.
    BaseDonnees& baseDeTable(const QString& table);

    // Makes dossier the current data folder and opens its database.
    void setDossierDonnees(const QString& dossier);

    // The computer's network name, at most 15 characters, or "Ordinateur Inconnu".
    QString nomPoste() const;

    // Window places, column widths and choices, colours and holidays (Disposition.h).
    Disposition disposition() { return Disposition(*this); }
    // The colour settings of the program, as last read.
    const TCouleurs& couleurs() const { return couleurs_; }
    // Reads the colour settings of the current data folder (defaults for those not stored).
    void LireCouleurs();
    // Stores the colour settings and makes them the current ones.
    bool EnregistrerCouleurs(const TCouleurs& valeurs);

    void TracerEvenement(const QString& message);
    void TracerEtAfficher(const QString& message);

    static QString nomBase() { return QStringLiteral("Velorin.db"); }
    static QString nomBaseArchives() { return QStringLiteral("Archives.db"); }
    static QString tableArchives() { return QStringLiteral("Archives"); }

private:
    void remplacerStructures();
    void choisirDossierDonnees();

    Services services_;
    QString dossierProgramme_;
    QString dossierDonnees_;
    QString dossierPrincipal_;
    bool reseau_ = false;
    bool terminaisonDemandee_ = false;
    int periodeMs_ = 5000;
    QString utilisateurTrace_;
    InfoIni info_;
    TCouleurs couleurs_ = couleursParDefaut();
    BaseDonnees base_;
    BaseDonnees baseArchives_;
};

} // namespace velorin
