#include "store/DMVelorin.h"

#include "app/DatesFr.h"
#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "store/DMCommun.h"

#include <QDir>

namespace velorin {

DMVelorin::DMVelorin(DMCommun& commun)
    : commun_(commun)
    , acces_(commun)
    , options_(commun)
    , catalogue_(commun, acces_, options_)
    , tarification_(commun, acces_, options_)
    , contacts_(*this)
    , reservations_(*this)
    , lignesSejour_(*this)
{
}

void DMVelorin::creer()
{
    try {
        setArchivesAffichees(false);
        FermerTout();
        const QString donnees = commun_.dossierDonnees();
        if (!donnees.isEmpty()) {
            AffecterDossier();
            creerModesPaiement();
            const QDir dossier(donnees);
            for (const QString& sous : {QStringLiteral("contrats"), QStringLiteral("factures")})
                if (!dossier.exists(sous) && !dossier.mkpath(sous))
                    throw Erreur(QStringLiteral("Impossible de créer le dossier %1").arg(dossier.filePath(sous)));
            const QDir programme(commun_.dossierProgramme());
            if (!programme.exists(QStringLiteral("Archives")) && !programme.mkpath(QStringLiteral("Archives")))
                throw Erreur(QStringLiteral("Impossible de créer le dossier %1")
                                 .arg(programme.filePath(QStringLiteral("Archives"))));
        }
        dates::appliquerConventions();
    } catch (const std::exception& e) {
        commun_.TracerEtAfficher(u"Erreur pendant l'initialisation des données (module spécifique) : "_qs +
                                 texteErreur(e) + u"\n"_qs + u"Le programme va se fermer."_qs);
        commun_.demanderTerminaison();
    }
}

void DMVelorin::AffecterDossier()
{
    // Every service queries the one database handle: pointing them at the data folder
    // is opening that folder's database.
    try {
        BaseDonnees& base = commun_.base();
        if (!base.estOuverte() || base.fichier() != commun_.fichierBase()) base.ouvrir(commun_.fichierBase());
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(u"Erreur pendant l'affectation du dossier "_qs + commun_.dossierDonnees() +
                                            u" aux tables : "_qs + u"\n"_qs + texteErreur(e));
    }
}

void DMVelorin::FermerTout() { commun_.base().fermer(); }

void DMVelorin::creerModesPaiement()
{
    BaseDonnees& base = commun_.base();
    try {
        if (!base.estOuverte() || !base.tableExiste(QStringLiteral("ModePaie"))) return;
        if (base.valeur(QStringLiteral("SELECT COUNT(*) FROM ModePaie")).toInt() > 0) return;
        Transaction transaction(base);
        const QStringList modes{u"Espèces"_qs,  u"Chèque"_qs,          u"Carte bancaire"_qs, u"Virement"_qs,
                                u"Paypal"_qs,   u"Chèque vacances"_qs, u"Autre"_qs};
        for (int i = 0; i < modes.size(); ++i)
            base.executer(QStringLiteral("INSERT INTO ModePaie (Identifiant, Nom) VALUES (?, ?)"), {i + 1, modes.at(i)});
        transaction.valider();
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(u"Erreur pendant la création des modes de paiement : "_qs + texteErreur(e));
    }
}

} // namespace velorin
