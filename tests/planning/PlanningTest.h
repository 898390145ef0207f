#pragma once

#include "support/DossiersTest.h"
#include "support/RequetesTest.h"

#include "planning/DonneesPlanning.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"
#include "store/VerificationTables.h"

#include <QDate>
#include <QSqlQuery>
#include <QSqlRecord>

#include <ostream>

inline void PrintTo(const QVariant& valeur, std::ostream* flux)
{
    *flux << (valeur.isNull() ? std::string("NULL") : valeur.toString().toStdString());
}
inline void PrintTo(const QString& texte, std::ostream* flux) { *flux << '"' << texte.toStdString() << '"'; }
inline void PrintTo(const QDate& date, std::ostream* flux) { *flux << date.toString(Qt::ISODate).toStdString(); }

namespace velorin::test {

inline QDate jour(const char* iso) { return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate); }

// A data folder with every table of the shipped description, and small builders for the
// rows the planning reads.
struct Pension : public RequetesTest {
    Pension()
    {
        commun.creer();
        VerificationTables(commun).VerifierTables();
    }

    BaseDonnees& base() override { return commun.base(); }

    // Sets options columns and reloads the in-memory copy.
    void option(const QString& colonne, const QVariant& valeur)
    {
        velorin.options().creerSiAbsent();
        velorin.options().ecrireOption(colonne, valeur);
        velorin.options().ChargerOptions();
    }

    int hebergement(const QString& nom, int numOrdre, bool dansPourcent = true, int couleur = -1)
    {
        const int id = ++dernierPrest;
        sql("INSERT INTO prestation (Identifiant, TypePrest, Nom, NumOrdre, Capacite, DansPourcent, Couleur, AffCouleur) "
            "VALUES (?, 0, ?, ?, 2, ?, ?, ?)",
            {id, nom, numOrdre, dansPourcent ? 1 : 0, couleur >= 0 ? QVariant(couleur) : QVariant(),
             couleur >= 0 ? 1 : 0});
        return id;
    }
    int service(const QString& nom, int numOrdre, bool enCouleur, int couleur)
    {
        const int id = ++dernierPrest;
        sql("INSERT INTO prestation (Identifiant, TypePrest, Nom, NumOrdre, Couleur, AffCouleur) VALUES (?, 1, ?, ?, ?, ?)",
            {id, nom, numOrdre, couleur, enCouleur ? 1 : 0});
        return id;
    }
    int contact(const QString& nom, const QString& prenom)
    {
        const int id = ++dernierContact;
        sql("INSERT INTO Contact (Identifiant, TypeContact, Nom, Prenom) VALUES (?, 2, ?, ?)", {id, nom, prenom});
        return id;
    }

    struct Sejour {
        int contact = -1;
        QDate debut{};
        QDate fin{}; // last night
        int etat = 3;
        QList<int> hebergements{};
        double prix = 0;
        double dejaPaye = 0;
        double commission = 0;
        int nbPers = 2;
        QDate recu{};
        QDate envoye{};
        int idReg = 0;
    };
    // The reservation row and one planning row per accommodation and night.
    int reservation(const Sejour& s)
    {
        const int id = ++dernierReservation;
        sql("INSERT INTO Reservation (Identifiant, IdContact, DateDeb, DateFin, Etat, PrixTotal, DejaPaye, MontantCom, "
            "NbPers, DateRecContrat, DateEnvContrat, IdReg) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)",
            {id, s.contact, dialecte::valeurDate(s.debut), dialecte::valeurDate(s.fin), s.etat, s.prix, s.dejaPaye,
             s.commission, s.nbPers, dialecte::valeurDate(s.recu), dialecte::valeurDate(s.envoye), s.idReg});
        for (int h : s.hebergements)
            for (QDate d = s.debut; d <= s.fin; d = d.addDays(1)) nuit(h, d, id, s.etat);
        return id;
    }
    void nuit(int idPrest, const QDate& d, int idReservation, int etat)
    {
        sql("INSERT INTO Planning (IdPrest, Jour, IdReservation, Etat, IdTarif) VALUES (?, ?, ?, ?, -1)",
            {idPrest, dialecte::valeurDate(d), idReservation, etat});
    }
    void repas(int idReservation, const QDate& d, int nombre)
    {
        sql("INSERT INTO Repas (Identifiant, IdReservation, Jour, Nombre) VALUES (?, ?, ?, ?)",
            {++dernierRepas, idReservation, dialecte::valeurDate(d), nombre});
    }
    void prestationDuSejour(int idReservation, int idPrest)
    {
        sql("INSERT INTO PrestCompl (Identifiant, IdReservation, IdPrest, TypePrest, Qte) VALUES (?, ?, ?, 1, 1)",
            {++dernierLigne, idReservation, idPrest});
    }
    void ferie(const QDate& debut, const QDate& fin)
    {
        sql("INSERT INTO JoursFerie (Identifiant, DateDeb, DateFin, Libelle) VALUES (?, ?, ?, 'Vacances')",
            {++dernierFerie, dialecte::valeurDate(debut), dialecte::valeurDate(fin)});
    }

    EnvironnementTest env;
    DMCommun commun{env.services(), env.programme()};
    DMVelorin velorin{commun};
    DonneesPlanning planning{velorin};
    int dernierPrest = 0;
    int dernierContact = 0;
    int dernierReservation = 0;
    int dernierRepas = 0;
    int dernierLigne = 0;
    int dernierFerie = 0;
};

} // namespace velorin::test
