#include "store/Sites.h"

#include "store/VerificationTables.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"

namespace velorin {

Sites::Sites(DMCommun& commun, DMVelorin& velorin)
    : verifierTables([&commun] { VerificationTables(commun).VerifierTables(); })
    , commun_(commun)
    , velorin_(velorin)
{
}

QList<Site> Sites::ListeSites()
{
    return commun_.info().sites();
}

bool Sites::ChangerSite(const QString& nomSite)
{
    Dialogues& dialogues = commun_.services().dialogues;
    // The folder is checked before anything is closed, so that a refused change leaves
    // the current data open as it was.
    const QString dossier = commun_.info().dossierSite(nomSite).trimmed();
    if (dossier.isEmpty()) {
        dialogues.avertissement(messageSansDossier());
        return false;
    }

    const QString ancien = commun_.dossierDonnees();
    velorin_.FermerTout();
    try {
        commun_.setDossierDonnees(dossier);
    } catch (const std::exception& e) {
        dialogues.erreur(u"Erreur lors du changement de site : "_qs + texteErreur(e));
        // Back to the folder that was current, so that the program keeps working on it.
        try {
            if (!ancien.isEmpty()) commun_.setDossierDonnees(ancien);
        } catch (const std::exception&) {
        }
        velorin_.AffecterDossier();
        return false;
    }
    velorin_.AffecterDossier();
    if (!commun_.base().estOuverte()) return false;
    if (verifierTables) verifierTables();
    return true;
}

} // namespace velorin
