#include "reservations/screens/ChoixContact.h"

#include "app/Dialogues.h"
#include "reservations/Contacts.h"
#include "reservations/screens/TFrmClient.h"
#include "reservations/screens/TFrmClients.h"
#include "store/DMVelorin.h"
#include "ui/ContexteEcrans.h"

namespace velorin {

ChoixContact::ChoixContact(ContexteEcrans& contexte, QWidget* parent)
    : contexte_(contexte)
    , parent_(parent)
{
}

std::optional<THoteChoisi> ChoixContact::relire(int identifiant)
{
    if (identifiant <= 0) return std::nullopt;
    Contacts& contacts = contexte_.velorin.contacts();
    THoteChoisi hote;
    if (!contacts.NomPrenomContact(identifiant, hote.Nom, hote.Prenom)) return std::nullopt;
    hote.Identifiant = identifiant;
    hote.Langue = contacts.LangueContact(identifiant);
    return hote;
}

std::optional<THoteChoisi> ChoixContact::RechercherHote(const QString& nom, const QString& prenom)
{
    Contacts& contacts = contexte_.velorin.contacts();
    if (nom.trimmed().isEmpty() && prenom.trimmed().isEmpty())
        return relire(TFrmClients::ChoisirContact(contexte_, TypeContact::Hote, parent_));

    const int trouve = contacts.ContactParNom(nom, prenom);
    if (trouve > 0) {
        const int type = contacts.TypeDuContact(trouve);
        if (type >= 0) TFrmClient::AfficherContact(contexte_, type, trouve, parent_);
        // Confirmed or not, the names and language are those stored now.
        return relire(trouve);
    }
    const QList<int> homonymes = contacts.HotesNommes(nom, prenom);
    const QString message = homonymes.isEmpty() ? u"Aucun hôte ne porte ce nom : choisissez-le dans la liste."_qs
                                                : u"Choisissez l'hôte parmi ceux qui portent ce nom."_qs;
    return relire(TFrmClients::ChoisirContact(contexte_, TypeContact::Hote, parent_, homonymes, message));
}

std::optional<THoteChoisi> ChoixContact::CreerHote(const QString& nom, const QString& prenom)
{
    const TContact nouveau = contexte_.velorin.contacts().CreerHoteNomme(nom, prenom);
    if (nouveau.Identifiant <= 0) return std::nullopt;
    TFrmClient fiche(contexte_, nouveau, {}, parent_);
    if (fiche.exec() != QDialog::Accepted) return std::nullopt;
    const TContact& cree = fiche.contact();
    return THoteChoisi{cree.Identifiant, cree.Nom, cree.Prenom, cree.Langue};
}

std::optional<THoteChoisi> ChoixContact::ProposerCreationHote(const QString& nom, const QString& prenom)
{
    if (!contexte_.services.dialogues.question(u"Cet hôte n'existe pas, voulez-vous le créer ?"_qs))
        return std::nullopt;
    return CreerHote(nom, prenom);
}

int ChoixContact::ChoisirFournisseur()
{
    return TFrmClients::ChoisirContact(contexte_, TypeContact::Fournisseur, parent_);
}

int ChoixContact::CreerFournisseur(const QString& societe)
{
    const TContact nouveau = contexte_.velorin.contacts().CreerFournisseurNomme(societe);
    if (nouveau.Identifiant <= 0) return -1;
    TFrmClient fiche(contexte_, nouveau, {}, parent_);
    if (fiche.exec() != QDialog::Accepted) return -1;
    return fiche.contact().Identifiant;
}

} // namespace velorin
