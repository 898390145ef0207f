#include "reservations/Contacts.h"

#include "catalogue/Catalogue.h"

#include "app/DatesFr.h"
#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Fichiers.h"
#include "reservations/Ecritures.h"
#include "store/AccesDonnees.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"

#include <QDir>
#include <QSqlQuery>

#include <algorithm>

namespace velorin {

namespace {

struct ColonneTexte {
    const char* nom;
    QString TContact::*membre;
};

// The text columns of Contact, in table order.
const ColonneTexte colonnesTexte[] = {
    {"Civilite", &TContact::Civilite},
    {"Nom", &TContact::Nom},
    {"Prenom", &TContact::Prenom},
    {"Societe", &TContact::Societe},
    {"Adr1", &TContact::Adr1},
    {"Adr2", &TContact::Adr2},
    {"Adr3", &TContact::Adr3},
    {"CodPost", &TContact::CodPost},
    {"Ville", &TContact::Ville},
    {"Pays", &TContact::Pays},
    {"Tel", &TContact::Tel},
    {"Fax", &TContact::Fax},
    {"Mail", &TContact::Mail},
    {"Site", &TContact::Site},
    {"Langue", &TContact::Langue},
    {"Origine", &TContact::Origine},
    {"Notes", &TContact::Notes},
    {"Siret", &TContact::Siret},
    {"APE", &TContact::APE},
    {"RCS", &TContact::RCS},
    {"NumTVA", &TContact::NumTVA},
};

// At most this many names are listed in a refusal; the others are counted.
constexpr int maxNomsListes = 15;

bool memeTexte(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

void trierPourListe(QStringList& liste)
{
    std::sort(liste.begin(), liste.end(),
        [](const QString& a, const QString& b) { return QString::localeAwareCompare(a, b) < 0; });
}

} // namespace

Contacts::Contacts(DMVelorin& dm)
    : dm_(dm)
{
}

BaseDonnees& Contacts::base()
{
    return dm_.commun().base();
}
Dialogues& Contacts::dialogues()
{
    return dm_.commun().services().dialogues;
}

TContact Contacts::lire(const QSqlRecord& ligne) const
{
    TContact contact;
    contact.Identifiant = ligne.value(QStringLiteral("Identifiant")).toInt();
    contact.TypeContact = ligne.value(QStringLiteral("TypeContact")).toInt();
    for (const ColonneTexte& colonne : colonnesTexte)
        contact.*colonne.membre = ligne.value(QString::fromLatin1(colonne.nom)).toString();
    return contact;
}

TContact Contacts::CreerContact(int type, int identifiantSouhaite)
{
    return operationSignalee(dialogues(), u"Erreur lors de la création d'un nouveau contact"_qs, TContact(), [&] {
        TContact contact;
        contact.TypeContact = type;
        contact.nouveau = true;
        contact.Langue = dm_.options().memoire().LangueDef;
        const bool libre = identifiantSouhaite > 0
            && !base()
                    .valeur(QStringLiteral("SELECT 1 FROM Contact WHERE Identifiant = ?"), {identifiantSouhaite})
                    .isValid();
        contact.Identifiant = libre ? identifiantSouhaite : dm_.acces().allouerIdentifiant(table());
        return contact;
    });
}

TContact Contacts::CreerHoteNomme(const QString& nom, const QString& prenom)
{
    TContact contact = CreerContact(TypeContact::Hote, -1);
    if (contact.Identifiant > 0) {
        contact.Nom = nom;
        contact.Prenom = prenom;
    }
    return contact;
}

TContact Contacts::CreerFournisseurNomme(const QString& societe)
{
    TContact contact = CreerContact(TypeContact::Fournisseur, -1);
    if (contact.Identifiant > 0) contact.Societe = societe;
    return contact;
}

TContact Contacts::ModifierContact(int type, int identifiant)
{
    return operationSignalee(dialogues(), u"Erreur lors de la mise à jour d'un contact"_qs, TContact(), [&] {
        QSqlQuery requete = base().executer(
            QStringLiteral("SELECT * FROM Contact WHERE TypeContact = ? AND Identifiant = ?"), {type, identifiant});
        if (!requete.next()) {
            dialogues().avertissement(u"Mise à jour impossible, le contact n'a pas été trouvé."_qs);
            return TContact();
        }
        return lire(requete.record());
    });
}

bool Contacts::EnregistrerContact(TContact& contact)
{
    if (contact.TypeContact == TypeContact::Hote && contact.Nom.trimmed().isEmpty()
        && contact.Prenom.trimmed().isEmpty()) {
        dialogues().avertissement(u"Vous devez renseigner soit le nom, soit le prénom."_qs);
        return false;
    }
    const QString phrase = contact.nouveau ? u"Erreur lors de la création d'un nouveau contact"_qs
                                           : u"Erreur lors de la mise à jour d'un contact"_qs;
    TContact ecrit = contact;
    ecrit.Pays = ecrit.Pays.toUpper();
    const bool fait = operationSignalee(dialogues(), phrase, false, [&] {
        BaseDonnees& b = base();
        Transaction transaction(b);
        if (ecrit.nouveau
            && (ecrit.Identifiant <= 0
                || b.valeur(QStringLiteral("SELECT 1 FROM Contact WHERE Identifiant = ?"), {ecrit.Identifiant})
                       .isValid()))
            ecrit.Identifiant = dm_.acces().allouerIdentifiant(table());
        ecritures::Valeurs valeurs{{QStringLiteral("TypeContact"), ecrit.TypeContact}};
        for (const ColonneTexte& colonne : colonnesTexte)
            valeurs.append({QString::fromLatin1(colonne.nom), ecrit.*colonne.membre});
        if (ecrit.nouveau) {
            valeurs.prepend({QStringLiteral("Identifiant"), ecrit.Identifiant});
            ecritures::inserer(b, table(), valeurs);
        } else {
            if (ecritures::modifier(b, table(), valeurs, QStringLiteral("Identifiant = ?"), {ecrit.Identifiant}) == 0)
                throw Erreur(u"le contact n'existe plus."_qs);
        }
        transaction.valider();
        return true;
    });
    if (fait) {
        ecrit.nouveau = false;
        contact = ecrit;
    }
    return fait;
}

bool Contacts::SupprimerContact(int identifiant)
{
    return operationSignalee(dialogues(), u"Erreur pendant la suppression d'un hôte"_qs, false, [&] {
        base().executer(QStringLiteral("DELETE FROM Contact WHERE Identifiant = ?"), {identifiant});
        return true;
    });
}

bool Contacts::PeutSupprimerContact(int identifiant)
{
    // One check for every screen that deletes a contact.
    return dm_.catalogue().PeutSupprimer(suppression::Contact, identifiant);
}

int Contacts::ContactParNom(const QString& nom, const QString& prenom)
{
    return operationSignalee(dialogues(), u"Erreur lors de la recherche d'un contact"_qs, -1, [&] {
        // Compared here rather than by the engine, whose case folding stops at ASCII.
        QSqlQuery requete
            = base().executer(QStringLiteral("SELECT Identifiant, Nom, Prenom FROM Contact ORDER BY Identifiant"));
        while (requete.next())
            if (memeTexte(requete.value(1).toString(), nom) && memeTexte(requete.value(2).toString(), prenom))
                return requete.value(0).toInt();
        return -1;
    });
}

int Contacts::FournisseurParSociete(const QString& societe)
{
    return operationSignalee(dialogues(), u"Erreur lors de la recherche d'un fournisseur"_qs, -1, [&] {
        QSqlQuery requete = base().executer(
            QStringLiteral("SELECT Identifiant, Societe FROM Contact WHERE TypeContact = ? ORDER BY Identifiant"),
            {TypeContact::Fournisseur});
        while (requete.next())
            if (memeTexte(requete.value(1).toString(), societe)) return requete.value(0).toInt();
        return -1;
    });
}

bool Contacts::NomPrenomContact(int identifiant, QString& nom, QString& prenom)
{
    return operationSignalee(dialogues(), u"Erreur lors de la recherche du nom d'un contact"_qs, false, [&] {
        QSqlQuery requete
            = base().executer(QStringLiteral("SELECT Nom, Prenom FROM Contact WHERE Identifiant = ?"), {identifiant});
        if (!requete.next()) return false;
        nom = requete.value(0).toString();
        prenom = requete.value(1).toString();
        return true;
    });
}

bool Contacts::SocieteContact(int identifiant, QString& societe)
{
    return operationSignalee(dialogues(), u"Erreur lors de la recherche de l'organisme d'un contact"_qs, false, [&] {
        QSqlQuery requete
            = base().executer(QStringLiteral("SELECT Societe FROM Contact WHERE Identifiant = ?"), {identifiant});
        if (!requete.next()) return false;
        societe = requete.value(0).toString();
        return true;
    });
}

QString Contacts::LangueContact(int identifiant)
{
    return operationSignalee(dialogues(), u"Erreur pendant la recherche de la langue du contact"_qs, QString(), [&] {
        QSqlQuery requete
            = base().executer(QStringLiteral("SELECT Langue FROM Contact WHERE Identifiant = ?"), {identifiant});
        return requete.next() ? requete.value(0).toString() : QStringLiteral("FR");
    });
}

bool Contacts::LangueSupprimable(const QString& code)
{
    return operationSignalee(
        dialogues(), u"Imposssible de déterminer si cette langue peut être supprimée"_qs, false, [&] {
            // Language codes name folders, whose names ignore letter case.
            QSqlQuery requete = base().executer(
                QStringLiteral(
                    "SELECT Nom FROM Contact WHERE UPPER(Langue) = UPPER(?) ORDER BY Nom, Prenom, Identifiant"),
                {code});
            QString liste;
            int nombre = 0;
            while (requete.next()) {
                if (nombre < maxNomsListes) liste += u" - "_qs + requete.value(0).toString() + u"\n"_qs;
                ++nombre;
            }
            if (nombre == 0) return true;
            if (nombre > maxNomsListes)
                liste += u"et "_qs + QString::number(nombre - maxNomsListes) + u" autres contacts."_qs;
            dialogues().avertissement(
                u"Vous ne pouvez pas supprimer cette langue, car elle est attribuée à ces contacts :"_qs + u"\n"_qs
                + liste);
            return false;
        });
}

QList<QSqlRecord> Contacts::HistoriqueContact(int identifiant)
{
    return dm_.acces().HistoriqueContact(identifiant);
}

QString Contacts::AdresseHote()
{
    return operationSignalee(dialogues(), u"Erreur lors de la recherche de vos coordonnées"_qs, QString(), [&] {
        QSqlQuery requete = base().executer(
            QStringLiteral("SELECT Nom, Adr1, Adr2, CodPost, Ville FROM Contact WHERE TypeContact = ? "
                           "ORDER BY Identifiant"),
            {TypeContact::Etablissement});
        if (!requete.next()) return QString();
        QString adresse;
        for (int i = 0; i < 4; ++i) {
            const QString morceau = requete.value(i).toString();
            if (!morceau.isEmpty()) adresse += morceau + QLatin1Char(' ');
        }
        return adresse + requete.value(4).toString();
    });
}

QStringList Contacts::ListeCivilites()
{
    QStringList liste{
        QString(), u"Famille"_qs, u"Madame"_qs, u"Mademoiselle"_qs, u"Monsieur"_qs, u"Monsieur et Madame"_qs};
    liste = dm_.acces().ValeursDistinctes(table(), QStringLiteral("Civilite"), liste);
    trierPourListe(liste);
    return liste;
}

QStringList Contacts::ListePays()
{
    QStringList liste = dm_.acces().ValeursDistinctes(table(), QStringLiteral("Pays"), {});
    trierPourListe(liste);
    return liste;
}

QStringList Contacts::ListeOrigines()
{
    QStringList liste = dm_.acces().ValeursDistinctes(table(), QStringLiteral("Origine"), {});
    trierPourListe(liste);
    return liste;
}

QStringList Contacts::AdressesCopie()
{
    return dm_.acces().ValeursDistinctes(
        table(), QStringLiteral("Mail"), {}, QStringLiteral("TypeContact = ?"), {TypeContact::OrganismeExterieur});
}

QStringList Contacts::ListeLangues()
{
    const QString donnees = dm_.commun().dossierDonnees();
    if (donnees.isEmpty()) return {};
    const QString langues = fichiers::trouverSansCasse(donnees, QStringLiteral("Langues"));
    if (langues.isEmpty()) return {};
    return QDir(langues).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

int Contacts::TypeDuContact(int identifiant)
{
    return operationSignalee(dialogues(), u"Erreur lors de la recherche d'un contact"_qs, -1, [&] {
        const QVariant type
            = base().valeur(QStringLiteral("SELECT TypeContact FROM Contact WHERE Identifiant = ?"), {identifiant});
        return type.isValid() && !type.isNull() ? type.toInt() : -1;
    });
}

QList<int> Contacts::HotesNommes(const QString& nom, const QString& prenom)
{
    return operationSignalee(dialogues(), u"Erreur lors de la recherche d'un contact"_qs, QList<int>(), [&] {
        const bool parNom = !nom.trimmed().isEmpty();
        const QString cherche = (parNom ? nom : prenom).trimmed();
        QList<int> trouves;
        if (cherche.isEmpty()) return trouves;
        // Compared here, as ContactParNom does, for the accented capitals.
        QSqlQuery requete = base().executer(QStringLiteral("SELECT Identifiant, Nom, Prenom FROM Contact "
                                                           "WHERE TypeContact = ? ORDER BY Nom, Prenom, Identifiant"),
            {TypeContact::Hote});
        while (requete.next())
            if (memeTexte(requete.value(parNom ? 1 : 2).toString().trimmed(), cherche))
                trouves.append(requete.value(0).toInt());
        return trouves;
    });
}

RequeteSql Contacts::requeteSelection(const CriteresSelectionHotes& criteres)
{
    using Plage = CriteresSelectionHotes::Plage;
    using Sejour = CriteresSelectionHotes::Sejour;
    using AdresseMail = CriteresSelectionHotes::AdresseMail;

    RequeteSql requete;
    QStringList conditions{QStringLiteral("C.TypeContact = :type")};
    requete.valeurs.insert(QStringLiteral("type"), TypeContact::Hote);

    if (criteres.sejour != Sejour::ToutesLesDates) {
        QDate deb = criteres.sejourDe;
        QDate fin = criteres.sejourA;
        if (!deb.isValid()) deb = fin;
        if (!fin.isValid()) fin = deb;
        if (fin < deb) std::swap(deb, fin);
        // "Have not stayed" keeps the guests without any night between the two dates.
        conditions.append(QStringLiteral("%1 EXISTS (SELECT 1 FROM Reservation R, Planning P "
                                         "WHERE R.IdContact = C.Identifiant AND P.IdReservation = R.Identifiant "
                                         "AND P.Jour >= :deb AND P.Jour <= :fin)")
                              .arg(criteres.sejour == Sejour::OntSejourne ? QString() : QStringLiteral("NOT")));
        requete.valeurs.insert(QStringLiteral("deb"), dialecte::valeurDate(deb));
        requete.valeurs.insert(QStringLiteral("fin"), dialecte::valeurDate(fin));
    }

    const auto plage = [&](Plage mode, const QString& colonne, const QString& de, const QString& a,
                           const QString& prefixe) {
        if (mode == Plage::Tous) return;
        const QString valeur = QStringLiteral("COALESCE(C.%1, '')").arg(colonne);
        conditions.append(mode == Plage::Resident ? QStringLiteral("(%1 >= :%2De AND %1 <= :%2A)").arg(valeur, prefixe)
                                                  : QStringLiteral("(%1 < :%2De OR %1 > :%2A)").arg(valeur, prefixe));
        requete.valeurs.insert(prefixe + QStringLiteral("De"), de);
        requete.valeurs.insert(prefixe + QStringLiteral("A"), a);
    };
    plage(criteres.pays, QStringLiteral("Pays"), criteres.paysDe, criteres.paysA, QStringLiteral("pays"));
    plage(criteres.codePostal, QStringLiteral("CodPost"), criteres.codePostalDe, criteres.codePostalA,
        QStringLiteral("cp"));

    if (criteres.mail == AdresseMail::SansAdresse) conditions.append(QStringLiteral("COALESCE(C.Mail, '') = ''"));
    if (criteres.mail == AdresseMail::AvecAdresse) conditions.append(QStringLiteral("COALESCE(C.Mail, '') <> ''"));
    if (criteres.adresseComplete)
        conditions.append(QStringLiteral(
            "COALESCE(C.Adr1, '') <> '' AND COALESCE(C.CodPost, '') <> '' AND COALESCE(C.Ville, '') <> ''"));

    requete.sql = QStringLiteral("SELECT C.* FROM Contact C WHERE ") + conditions.join(QStringLiteral(" AND "))
        + (criteres.tri == CriteresSelectionHotes::Tri::Nom
                ? QStringLiteral(" ORDER BY C.Nom, C.Prenom, C.Identifiant")
                : QStringLiteral(" ORDER BY C.CodPost, C.Nom, C.Prenom, C.Identifiant"));
    return requete;
}

QList<QSqlRecord> Contacts::SelectionnerHotes(const CriteresSelectionHotes& criteres)
{
    return operationSignalee(dialogues(), u"Erreur lors de la sélection des hôtes"_qs, QList<QSqlRecord>(), [&] {
        const RequeteSql requete = requeteSelection(criteres);
        QSqlQuery resultat = base().executer(requete.sql, requete.valeurs);
        QList<QSqlRecord> lignes;
        while (resultat.next()) lignes.append(resultat.record());
        return lignes;
    });
}

QStringList Contacts::valeursAffichees(const QList<QSqlRecord>& lignes, const QString& colonne)
{
    QStringList valeurs;
    for (const QSqlRecord& ligne : lignes) {
        const QString valeur = ligne.value(colonne).toString();
        if (!valeur.trimmed().isEmpty() && !valeurs.contains(valeur)) valeurs.append(valeur);
    }
    return valeurs;
}

QString Contacts::texteCompteur(int affiches, int selectionnes)
{
    return selectionnes > 0 ? QString::number(selectionnes) + u" hôtes sélectionnés"_qs
                            : QString::number(affiches) + u" hôtes affichés"_qs;
}

} // namespace velorin
