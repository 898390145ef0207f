#include "reservations/screens/BranchementEcrans.h"

#include "catalogue/Catalogue.h"
#include "catalogue/screens/TFicheDetTVA.h"
#include "catalogue/screens/TFrmPrest.h"
#include "reservations/screens/ChoixContact.h"
#include "reservations/screens/TCadreReserv.h"
#include "reservations/screens/TFrmClient.h"
#include "reservations/Contacts.h"
#include "store/DMVelorin.h"
#include "ui/ContexteEcrans.h"

namespace velorin {

void brancherEcransReservation(TCadreReserv& cadre, ContexteEcrans& contexte)
{
    TCadreReserv* c = &cadre;
    ContexteEcrans* ctx = &contexte;

    cadre.choisirHote = [c, ctx](const QString& nom, const QString& prenom) {
        const auto hote = ChoixContact(*ctx, c).RechercherHote(nom, prenom);
        return hote ? hote->Identifiant : -1;
    };
    cadre.modifierHote = [c, ctx](int idContact) {
        return TFrmClient::AfficherContact(*ctx, TypeContact::Hote, idContact, c);
    };
    cadre.creerHote = [c, ctx](QString& nom, QString& prenom) {
        const auto hote = ChoixContact(*ctx, c).CreerHote(nom, prenom);
        if (!hote) return false;
        nom = hote->Nom;
        prenom = hote->Prenom;
        return true;
    };
    cadre.choisirArticle = [c, ctx](int typePrest) {
        if (typePrest == typeprest::Hebergement) {
            const QString nom = TFrmPrest::ChoisirHebergement(*ctx, c);
            return nom.isEmpty() ? -1 : ctx->velorin.acces().ChercherIdentifiant(nom, Catalogue::table());
        }
        return TFrmPrest::ChoisirPrestation(*ctx, c);
    };
    cadre.choisirRepas = [c, ctx]() -> std::optional<ChoixRepas> {
        const TFrmPrest::ChoixRepas choix = TFrmPrest::ChoisirRepas(*ctx, c);
        if (choix.Identifiant < 0) return std::nullopt;
        return ChoixRepas{choix.Identifiant, choix.TousLesJours};
    };
    cadre.detailPrixLigne = [c, ctx](QSqlRecord& ligne) { return TFicheDetTVA::EditerLigne(*ctx, ligne, c); };
    cadre.detailMontants = [c, ctx](const TMontantsTVA& montants) {
        TFicheDetTVA::AfficherMontants(*ctx, montants, c);
    };
    // The payments dialog comes with the ledger: until then the payment button stays disabled.
}

} // namespace velorin
