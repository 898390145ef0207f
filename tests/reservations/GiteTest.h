#pragma once

#include "support/BaseVerifiee.h"
#include "support/DossiersTest.h"
#include "support/RequetesTest.h"

#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"
#include "store/VerificationTables.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

inline void PrintTo(const QVariant& valeur, std::ostream* flux)
{
    *flux << (valeur.isNull() ? std::string("NULL") : valeur.toString().toStdString());
}
inline void PrintTo(const QString& texte, std::ostream* flux)
{
    *flux << '"' << texte.toStdString() << '"';
}

namespace velorin::test {

// A guest house on a data folder whose tables were built by the real verification from the
// shipped description, with VAT rates of 10 and 20 % and small builders for its catalogue.
class GiteTest : public ::testing::Test, public RequetesTest {
protected:
    GiteTest()
    {
        ouvrirBaseVerifiee(commun, env.donnees());
        // Rollbacks work the same; only the waits for the disk go.
        sql("PRAGMA synchronous = OFF");
        base().valeur("PRAGMA journal_mode = MEMORY");
        Options options = velorin.options().creerSiAbsent();
        options.Taux1 = 10;
        options.Taux2 = 20;
        options.LangueDef = QStringLiteral("FR");
        velorin.options().enregistrer(options);
        velorin.options().ChargerOptions();
        env.dialogues.vider();
    }

    BaseDonnees& base() override { return commun.base(); }
    // Every row of the tables, in storage order: equal dumps mean nothing changed.
    QStringList instantane(const QStringList& tables)
    {
        QStringList resultat;
        for (const QString& table : tables) {
            QSqlQuery requete = base().executer(QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(table));
            while (requete.next()) {
                QStringList valeurs{table};
                for (int i = 0; i < requete.record().count(); ++i)
                    valeurs.append(requete.isNull(i) ? QStringLiteral("NULL") : requete.value(i).toString());
                resultat.append(valeurs.join(QLatin1Char('|')));
            }
        }
        return resultat;
    }
    static QStringList tablesSejour()
    {
        return {"Reservation", "Planning", "PrestCompl", "Repas", "DepRec", "Factures", "FactLig", "Regroupements",
            "Contact", "Compteurs"};
    }

    // Catalogue items, priced at rate 1 (10 %) unless without VAT.
    int article(int type, const QString& nom, double prix, bool propNuits = false, bool propPers = false,
        bool sansTVA = false, bool offert = false)
    {
        const int id = ++dernierArticle_;
        const double taux = sansTVA ? 0 : 10;
        const double ht = sansTVA ? prix : round2(prix / 1.1);
        sql("INSERT INTO Prestation (Identifiant, TypePrest, Nom, TarifSimple, Prix, PropNuits, PropPers, SansTVA, "
            "Offert, NumOrdre, HT1, HT2, Taux1, Taux2, TVA1, TVA2, TTC1, TTC2) "
            "VALUES (?, ?, ?, 1, ?, ?, ?, ?, ?, ?, ?, 0, ?, 0, ?, 0, ?, 0)",
            {id, type, nom, prix, propNuits ? 1 : 0, propPers ? 1 : 0, sansTVA ? 1 : 0, offert ? 1 : 0, id, ht, taux,
                round2(prix - ht), prix});
        return id;
    }
    int chambre(const QString& nom, double prix = 100) { return article(0, nom, prix); }

    int contact(int type, const QString& nom, const QString& prenom = {}, int identifiant = 0)
    {
        const int id = identifiant > 0 ? identifiant : ++dernierContact_;
        if (identifiant > dernierContact_) dernierContact_ = identifiant;
        sql("INSERT INTO Contact (Identifiant, TypeContact, Nom, Prenom, Langue) VALUES (?, ?, ?, ?, 'FR')",
            {id, type, nom, prenom});
        return id;
    }
    int hote(const QString& nom, const QString& prenom = {}) { return contact(2, nom, prenom); }

    static QDate juillet(int jour) { return QDate(2026, 7, jour); }
    static QVariant iso(const QDate& jour) { return dialecte::valeurDate(jour); }

    EnvironnementTest env;
    DMCommun commun{env.services(), env.programme()};
    DMVelorin velorin{commun};

private:
    int dernierArticle_ = 0;
    int dernierContact_ = 0;
};

} // namespace velorin::test
