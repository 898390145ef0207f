#pragma once

#include "store/DonneesTest.h"

#include "catalogue/Catalogue.h"
#include "catalogue/Tarification.h"

#include <QDate>
#include <QStringList>

namespace velorin::test {

// Creates the tables from the columns and primary indexes of the shipped schema description.
// It stands in for the table verification in these tests, and is the one place to switch to
// it.
void creerTablesDecrites(BaseDonnees& base, const QStringList& tables);

inline QDate jour(int annee, int mois, int j) {
    return QDate(annee, mois, j);
}

// A data folder with the catalogue, tariff, reservation and ledger tables, the options record
// (rates 10 % and 20 %) and small builders that write rows as the program stores them.
struct CatalogueTest : DonneesTest {
    CatalogueTest();

    Catalogue& catalogue() { return velorin.catalogue(); }
    Tarification& tarification() { return velorin.tarification(); }
    QStringList messages() const { return env.dialogues.textes(); }

    // Writes the options record's columns given, then reloads the in-memory copy.
    void options(const QVariantMap& colonnes);

    // An item with its order number; prix is TTC1 at rate 1 (HT1 and TVA1 derived at 10 %).
    int item(int typePrest, const QString& nom, double prix = 0, bool tarifSimple = true);
    int hebergement(const QString& nom, double prix = 0, bool tarifSimple = false) {
        return item(typeprest::Hebergement, nom, prix, tarifSimple);
    }
    int typeTarif(const QString& nom, const QDate& debut, const QDate& fin, int nbJours = 1,
                  bool avecRepas = false);
    // A tariff row whose gross price ttc1 is split as given.
    int tarif(int idPrest, int idTarif, double ht1, double tva1, double ttc1, bool applicable = true,
              double taux1 = 10);
    int reservation(const QDate& debut, const QDate& fin, int idContact = -1, int idCom = -1);
    void planning(int idPrest, const QDate& jourPlan, int idReservation, int etat, int idTarif = -1,
                  const TNuitee& nuit = {});
    int contact(int typeContact, const QString& nom);
    int ecriture(int typeEcr, const QDate& date, double montant, int idRef, int modePaie = 1);
    int typeCom(const QString& nom, int modeCalc, double valeur);

    int suivant(const QString& table);
};

} // namespace velorin::test
