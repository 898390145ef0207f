#include "reservations/screens/BranchementEcrans.h"

#include "catalogue/Catalogue.h"
#include "catalogue/screens/TFicheDetTVA.h"
#include "catalogue/screens/TFrmPrest.h"
#include "reservations/Contacts.h"
#include "reservations/LignesSejour.h"
#include "reservations/screens/ChoixContact.h"
#include "reservations/screens/TCadreReserv.h"
#include "reservations/screens/TFrmClient.h"
#include "store/AccesDonnees.h"
#include "store/DMVelorin.h"
#include "ui/ContexteEcrans.h"

namespace velorin {

void brancherEcransReservation(TCadreReserv& cadre, ContexteEcrans& contexte)
{
    TCadreReserv* editeur = &cadre;
    ContexteEcrans* ctx = &contexte;

    cadre.choisirHote = [editeur, ctx](const QString& nom, const QString& prenom) {
        const std::optional<THoteChoisi> hote = ChoixContact(*ctx, editeur).RechercherHote(nom, prenom);
        return hote ? hote->Identifiant : -1;
    };
    cadre.modifierHote = [editeur, ctx](int idContact) {
        return TFrmClient::AfficherContact(*ctx, TypeContact::Hote, idContact, editeur);
    };
    cadre.creerHote = [editeur, ctx](QString& nom, QString& prenom) {
        const std::optional<THoteChoisi> hote = ChoixContact(*ctx, editeur).CreerHote(nom, prenom);
        if (!hote) return false;
        nom = hote->Nom;
        prenom = hote->Prenom;
        return true;
    };
    cadre.choisirArticle = [editeur, ctx](int typePrest) {
        if (typePrest == TypePrestation::Hebergement) {
            // The accommodation list answers with the name, which is unique.
            const QString nom = TFrmPrest::ChoisirHebergement(*ctx, editeur);
            return nom.isEmpty() ? -1 : ctx->velorin.acces().ChercherIdentifiant(nom, Catalogue::table());
        }
        return TFrmPrest::ChoisirPrestation(*ctx, editeur);
    };
    cadre.choisirRepas = [editeur, ctx]() -> std::optional<ChoixRepas> {
        const TFrmPrest::ChoixRepas choix = TFrmPrest::ChoisirRepas(*ctx, editeur);
        if (choix.Identifiant < 0) return std::nullopt;
        return ChoixRepas{choix.Identifiant, choix.TousLesJours};
    };
    cadre.detailPrixLigne
        = [editeur, ctx](QSqlRecord& ligne) { return TFicheDetTVA::EditerLigne(*ctx, ligne, editeur); };
    cadre.detailMontants = [editeur, ctx](const TMontantsTVA& montants) {
        TFicheDetTVA::AfficherMontants(*ctx, montants, editeur);
    };
    // The payments dialog belongs to the ledger: until it exists, saisirPaiements stays unset
    // and the frame keeps its payment button disabled.
}

} // namespace velorin
