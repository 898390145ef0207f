#include "reservations/screens/TFrmClients.h"

#include "app/Dialogues.h"
#include "catalogue/Catalogue.h"
#include "reservations/Contacts.h"
#include "reservations/screens/TFrmClient.h"
#include "store/DMVelorin.h"
#include "ui/Edition.h"

#include <QStringList>

namespace velorin {

QString TFrmClients::libelleGenre(int typeContact)
{
    switch (typeContact) {
    case TypeContact::OrganismeExterieur: return u"organismes extérieurs"_qs;
    case TypeContact::Fournisseur: return u"fournisseurs"_qs;
    default: return u"hôtes"_qs;
    }
}

QString TFrmClients::titre(int typeContact)
{
    return u"Liste des "_qs + libelleGenre(typeContact);
}

QString TFrmClients::messageAutreGenre(int typeOuvert)
{
    return u"Vous devez tout d'abord refermer la saisie des "_qs + libelleGenre(typeOuvert)
        + u" avant de passer à cette saisie."_qs;
}

TFrmClients::TFrmClients(ContexteEcrans& contexte, int typeContact, QWidget* parent)
    : T_FrmRecherchePI(contexte, parent)
    , type_(typeContact)
{
    setWindowTitle(titre(type_));
    switch (type_) {
    case TypeContact::OrganismeExterieur: setCleFenetre(nomClasse() + u"Ext"_qs); break;
    case TypeContact::Fournisseur: setCleFenetre(nomClasse() + u"Four"_qs); break;
    default: setCleFenetre(nomClasse() + u"Clients"_qs); break;
    }
    setTable(Contacts::table());
    setConditionFixe(QStringLiteral("TypeContact = ?"), {type_});

    if (type_ != TypeContact::Hote) AjouterColonne(QStringLiteral("Societe"), u"Organisme"_qs, 180);
    AjouterColonne(QStringLiteral("Nom"), u"Nom"_qs, 130);
    AjouterColonne(QStringLiteral("Prenom"), u"Prénom"_qs, 130);
    AjouterColonne(QStringLiteral("CodPost"), u"Code postal"_qs, 80);
    AjouterColonne(QStringLiteral("Ville"), u"Ville"_qs, 130);
    AjouterColonne(QStringLiteral("Tel"), u"Tél."_qs, 100);
    AjouterColonne(QStringLiteral("Pays"), u"Pays"_qs, 130);

    // Company identifiers belong to the host's record only.
    for (const char* colonne : {"rcs", "siret", "numtva", "ape", "site"})
        ajouterExclusion(QString::fromLatin1(colonne));

    // A sort per search field, so that entering a field sorts the list on it.
    AjouterTri(QStringLiteral("Nom"), u"Nom"_qs);
    AjouterTri(QStringLiteral("Ville"), u"Ville"_qs);
    AjouterTri(QStringLiteral("CodPost"), u"Code Postal"_qs);
    AjouterTri(QStringLiteral("Pays"), u"Pays"_qs);
    AjouterRecherche(QStringLiteral("Nom"), u"Nom"_qs, nullptr, 50);
    AjouterRecherche(QStringLiteral("CodPost"), u"Code postal"_qs, nullptr, 5);
    AjouterRecherche(QStringLiteral("Ville"), u"Ville"_qs, nullptr, 50);
    AjouterRecherche(QStringLiteral("Pays"), u"Pays"_qs, nullptr, 50);

    if (type_ == TypeContact::Hote)
        setEdition(std::make_shared<EditionListe>(modele()), EditionListe::libelleTitre(), titre(type_));
}

void TFrmClients::restreindre(const QList<int>& identifiants)
{
    QStringList marques;
    QVariantList valeurs{type_};
    for (int identifiant : identifiants) {
        marques.append(QStringLiteral("?"));
        valeurs.append(identifiant);
    }
    if (marques.isEmpty()) marques.append(QStringLiteral("NULL"));
    setConditionFixe(QStringLiteral("TypeContact = ? AND Identifiant IN (%1)").arg(marques.join(u", "_qs)), valeurs);
}

QList<int> TFrmClients::identifiantsAffiches()
{
    QList<int> identifiants;
    for (int ligne = 0; ligne < modele().rowCount(); ++ligne)
        identifiants.append(modele().valeur(ligne, QStringLiteral("Identifiant")).toInt());
    return identifiants;
}

void TFrmClients::relireSur(int identifiant)
{
    RelireSource();
    const int ligne = modele().ligneIdentifiant(identifiant);
    if (ligne >= 0) allerLigne(ligne);
}

void TFrmClients::Ajouter()
{
    const TContact contact = contexte().velorin.contacts().CreerContact(type_, -1);
    if (contact.Identifiant <= 0) {
        dialogues().information(u"Opération annulée"_qs);
        return;
    }
    TFrmClient fiche(contexte(), contact, {}, this);
    if (fiche.exec() == QDialog::Accepted) relireSur(fiche.contact().Identifiant);
}

void TFrmClients::Modifier()
{
    if (ligneCourante() < 0) return;
    const int identifiant = valeurCourante(QStringLiteral("Identifiant")).toInt();
    const TContact contact = contexte().velorin.contacts().ModifierContact(type_, identifiant);
    if (contact.Identifiant == 0) return;
    TFrmClient fiche(contexte(), contact, identifiantsAffiches(), this);
    fiche.exec();
    // The navigator may have moved to another contact, written on the way.
    relireSur(fiche.contact().Identifiant);
}

void TFrmClients::Supprimer()
{
    if (ligneCourante() < 0) return;
    const int identifiant = valeurCourante(QStringLiteral("Identifiant")).toInt();
    if (!contexte().velorin.catalogue().PeutSupprimer(suppression::Contact, identifiant)) return;
    QString question;
    switch (type_) {
    case TypeContact::OrganismeExterieur:
        question = u"Confirmez-vous la suppression de cet organisme extérieur ?"_qs;
        break;
    case TypeContact::Fournisseur: question = u"Confirmez-vous la suppression de ce fournisseur ?"_qs; break;
    default: question = u"Confirmez-vous la suppression de cet hôte ?"_qs; break;
    }
    if (!dialogues().question(question)) return;
    contexte().velorin.contacts().SupprimerContact(identifiant);
    RelireSource();
}

int TFrmClients::ChoisirContact(
    ContexteEcrans& contexte, int typeContact, QWidget* parent, const QList<int>& parmi, const QString& message)
{
    TFrmClients liste(contexte, typeContact, parent);
    if (!parmi.isEmpty()) liste.restreindre(parmi);
    if (!message.isEmpty()) liste.setMessage(message);
    liste.EntrerModeSelection(QStringLiteral("Identifiant"), true);
    if (liste.exec() != QDialog::Accepted) return -1;
    return liste.resultatEntier() > 0 ? liste.resultatEntier() : -1;
}

} // namespace velorin
