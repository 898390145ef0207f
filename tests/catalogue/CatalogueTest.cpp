#include "CatalogueTest.h"

#include "app/DatesFr.h"
#include "app/Erreur.h"
#include "store/DescriptionStructures.h"

#include <QHash>

namespace velorin::test {

namespace {

QString typeSql(const QString& type, int taille) {
    if (type == u"C"_qs) return u"Char(%1)"_qs.arg(taille);
    if (type == u"B"_qs) return u"Boolean"_qs;
    if (type == u"D"_qs) return u"Date"_qs;
    if (type == u"F"_qs) return u"Float"_qs;
    if (type == u"M"_qs) return u"Text"_qs;
    if (type == u"T"_qs) return u"Time"_qs;
    return u"Integer"_qs; // A, I
}

} // namespace

namespace {

// The statements that create one described table and its primary index.
QStringList instructionsTable(BaseDonnees& description, const QString& table) {
    QStringList colonnes;
    QSqlQuery champs = description.executer(u"SELECT NomChamps, Type, Taille FROM ChampDescription "
                                            "WHERE LOWER(NomTable) = LOWER(?) ORDER BY Ordre"_qs,
                                            {table});
    while (champs.next())
        colonnes.append(champs.value(0).toString() + u" "_qs +
                        typeSql(champs.value(1).toString(), champs.value(2).toInt()));
    if (colonnes.isEmpty()) throw Erreur(u"Table non décrite : "_qs + table);
    QStringList instructions{u"CREATE TABLE %1 (%2)"_qs.arg(table, colonnes.join(u", "_qs))};
    QSqlQuery index =
        description.executer(u"SELECT Champs FROM IndexDescription "
                             "WHERE LOWER(NomTable) = LOWER(?) AND Options LIKE '%IXPRIMARY%'"_qs,
                             {table});
    if (index.next())
        instructions.append(u"CREATE UNIQUE INDEX %1_Primaire ON %1 (%2)"_qs.arg(
            table, index.value(0).toString().replace(u';', u',')));
    return instructions;
}

} // namespace

void creerTablesDecrites(BaseDonnees& base, const QStringList& tables) {
    // The statements are made once for the whole run.
    static QHash<QString, QStringList> instructions;
    for (const QString& table : tables) {
        if (instructions.contains(table)) continue;
        DescriptionStructures description;
        description.charger(QStringLiteral(VELORIN_RESSOURCES_DIR) + u"/StructuresTables"_qs);
        for (const QString& decrite : tables)
            if (!instructions.contains(decrite))
                instructions.insert(decrite, instructionsTable(description.base(), decrite));
    }
    Transaction transaction(base);
    for (const QString& table : tables) {
        for (const QString& instruction : instructions.value(table))
            base.executer(instruction);
    }
    transaction.valider();
}

CatalogueTest::CatalogueTest() {
    // Numbers and dates as the program writes them.
    dates::appliquerConventions();
    creerTablesDecrites(base(), {u"prestation"_qs, u"TypeTarif"_qs, u"Tarifs"_qs, u"Planning"_qs,
                                 u"Reservation"_qs, u"Contact"_qs, u"DepRec"_qs, u"ModePaie"_qs,
                                 u"TypeCom"_qs, u"PrestCompl"_qs, u"Repas"_qs, u"options"_qs});
    sql(u"INSERT INTO options (Taux1, Taux2, AvecAcompte, ModeArrhes, PourcentAcompte, ArrondiAcompte) "
        "VALUES (10, 20, 1, 0, 30, 0)"_qs);
    velorin.options().ChargerOptions();
}

void CatalogueTest::options(const QVariantMap& colonnes) {
    for (auto it = colonnes.cbegin(); it != colonnes.cend(); ++it)
        sql(u"UPDATE options SET %1 = ?"_qs.arg(it.key()), {it.value()});
    velorin.options().ChargerOptions();
}

int CatalogueTest::suivant(const QString& table) {
    return valeur(u"SELECT COALESCE(MAX(Identifiant), 0) + 1 FROM %1"_qs.arg(table)).toInt();
}

int CatalogueTest::item(int typePrest, const QString& nom, double prix, bool tarifSimple) {
    const int id = suivant(u"prestation"_qs);
    const int ordre =
        valeur(u"SELECT COALESCE(MAX(NumOrdre), 0) + 1 FROM prestation WHERE TypePrest = ?"_qs, {typePrest})
            .toInt();
    const double ht = round2(prix / 1.1);
    sql(u"INSERT INTO prestation (Identifiant, TypePrest, Nom, TarifSimple, Prix, HT1, HT2, Taux1, Taux2, "
        u"TVA1, "
        "TVA2, TTC1, TTC2, SansTVA, NumOrdre, AffCouleur) VALUES (?, ?, ?, ?, ?, ?, 0, 10, 20, ?, 0, ?, 0, 0, ?, 0)"_qs,
        {id, typePrest, nom, tarifSimple ? 1 : 0, prix, ht, round2(prix - ht), prix, ordre});
    return id;
}

int CatalogueTest::typeTarif(const QString& nom, const QDate& debut, const QDate& fin, int nbJours,
                             bool avecRepas) {
    const int id = suivant(u"TypeTarif"_qs);
    sql(u"INSERT INTO TypeTarif (Identifiant, Nom, NbJours, Per_Deb, Per_Fin, AvecRepas, Lu, Ma, Me, Je, Ve, "
        u"Sa, Di) "
        "VALUES (?, ?, ?, ?, ?, ?, 0, 0, 0, 0, 0, 0, 0)"_qs,
        {id, nom, nbJours, debut.toString(Qt::ISODate), fin.toString(Qt::ISODate), avecRepas ? 1 : 0});
    return id;
}

int CatalogueTest::tarif(int idPrest, int idTarif, double ht1, double tva1, double ttc1, bool applicable,
                         double taux1) {
    const int id = suivant(u"Tarifs"_qs);
    sql(u"INSERT INTO Tarifs (Identifiant, IdPrest, IdTarif, Prix, Applicable, HT1, HT2, Taux1, Taux2, TVA1, "
        u"TVA2, "
        "TTC1, TTC2) VALUES (?, ?, ?, ?, ?, ?, 0, ?, 20, ?, 0, ?, 0)"_qs,
        {id, idPrest, idTarif, ttc1, applicable ? 1 : 0, ht1, taux1, tva1, ttc1});
    return id;
}

int CatalogueTest::reservation(const QDate& debut, const QDate& fin, int idContact, int idCom) {
    const int id = suivant(u"Reservation"_qs);
    sql(u"INSERT INTO Reservation (Identifiant, IdContact, DateDeb, DateFin, Etat, IdCom) VALUES (?, ?, ?, ?, 3, ?)"_qs,
        {id, idContact, debut.toString(Qt::ISODate), fin.toString(Qt::ISODate), idCom});
    return id;
}

void CatalogueTest::planning(int idPrest, const QDate& jourPlan, int idReservation, int etat, int idTarif,
                             const TNuitee& nuit) {
    sql(u"INSERT INTO Planning (Jour, IdReservation, IdPrest, IdTarif, Etat, PrixUnit, HT1, HT2, Taux1, "
        u"Taux2, TVA1, "
        "TVA2, TTC1, TTC2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, 10, 20, ?, ?, ?, ?)"_qs,
        {jourPlan.toString(Qt::ISODate), idReservation, idPrest, idTarif, etat, nuit.PrixUnit, nuit.HT1,
         nuit.HT2, nuit.TVA1, nuit.TVA2, nuit.TTC1, nuit.TTC2});
}

int CatalogueTest::contact(int typeContact, const QString& nom) {
    const int id = suivant(u"Contact"_qs);
    sql(u"INSERT INTO Contact (Identifiant, TypeContact, Nom) VALUES (?, ?, ?)"_qs, {id, typeContact, nom});
    return id;
}

int CatalogueTest::ecriture(int typeEcr, const QDate& date, double montant, int idRef, int modePaie) {
    const int id = suivant(u"DepRec"_qs);
    sql(u"INSERT INTO DepRec (Identifiant, TypeEcr, DateEcr, Montant, IdRef, ModePaie) VALUES (?, ?, ?, ?, ?, ?)"_qs,
        {id, typeEcr, date.toString(Qt::ISODate), montant, idRef, modePaie});
    return id;
}

int CatalogueTest::typeCom(const QString& nom, int modeCalc, double valeur) {
    const int id = suivant(u"TypeCom"_qs);
    sql(u"INSERT INTO TypeCom (Identifiant, Nom, ModeCalc, ValeurCalc) VALUES (?, ?, ?, ?)"_qs,
        {id, nom, modeCalc, valeur});
    return id;
}

} // namespace velorin::test
