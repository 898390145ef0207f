// The shipped schema description: it creates the tables of every installation, so its
// content is checked here as data.

#include "store/BaseDonnees.h"
#include "store/DescriptionStructures.h"

#include <QMap>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>

#include <gtest/gtest.h>

using namespace velorin;

namespace {

struct Champ {
    QString nom;
    QString type;
    QVariant taille;
};

struct Index {
    QString table;
    QString nom;
    QStringList champs;
    QString options;
};

class DescriptionLivree : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString dossier = QStringLiteral(VELORIN_RESSOURCES_DIR) + QStringLiteral("/StructuresTables");
        ASSERT_TRUE(DescriptionStructures::presente(dossier));
        description_.charger(dossier);
        BaseDonnees& base = description_.base();

        QSqlQuery champs =
            base.executer(u"SELECT NomTable, NomChamps, Type, Taille FROM ChampDescription ORDER BY Ordre"_qs);
        while (champs.next()) {
            const QString table = champs.value(0).toString();
            if (!ordreTables_.contains(table)) ordreTables_.append(table);
            champs_[table].append({champs.value(1).toString(), champs.value(2).toString(), champs.value(3)});
        }
        QSqlQuery index =
            base.executer(u"SELECT NomTable, NomIndex, Champs, Options FROM IndexDescription ORDER BY Ordre"_qs);
        while (index.next())
            index_.append({index.value(0).toString(), index.value(1).toString(),
                           index.value(2).toString().split(QLatin1Char(';')), index.value(3).toString()});
    }

    const Champ* champ(const QString& table, const QString& nom) const
    {
        for (const Champ& c : champs_[table])
            if (c.nom.compare(nom, Qt::CaseInsensitive) == 0) return &c;
        return nullptr;
    }

    static bool primaire(const Index& i) { return i.options.contains(u"IXPRIMARY"_qs, Qt::CaseInsensitive); }
    static bool unique(const Index& i)
    {
        return primaire(i) || i.options.contains(u"IXUNIQUE"_qs, Qt::CaseInsensitive);
    }

    DescriptionStructures description_;
    QStringList ordreTables_;
    QMap<QString, QList<Champ>> champs_;
    QList<Index> index_;
};

} // namespace

TEST_F(DescriptionLivree, DecritExactementLesTablesDuDossierDeDonnees)
{
    // In file order, which is the order of the verification.
    const QStringList attendues{u"Contact"_qs,      u"prestation"_qs,    u"TypeTarif"_qs,  u"Tarifs"_qs,
                                u"Reservation"_qs,  u"Planning"_qs,      u"PrestCompl"_qs, u"Repas"_qs,
                                u"Remarques"_qs,    u"JoursFerie"_qs,    u"TypeMenu"_qs,   u"PlanRep"_qs,
                                u"departements"_qs, u"Regions"_qs,       u"options"_qs,    u"Factures"_qs,
                                u"FactLig"_qs,      u"Regroupements"_qs, u"DepRec"_qs,     u"ModePaie"_qs,
                                u"BonsCadeau"_qs,   u"BonCHeb"_qs,       u"BonCRepas"_qs,  u"BonCPrest"_qs,
                                u"TypeCom"_qs,      u"Archives"_qs,      u"TaillePos"_qs,  u"TailleCols"_qs,
                                u"ColGrille"_qs,    u"Couleurs"_qs,      u"Trace"_qs,      u"TmpContrat"_qs,
                                u"TmpLDepRec"_qs,   u"TmpPlan"_qs,       u"Editions"_qs,   u"Compteurs"_qs};
    EXPECT_EQ(ordreTables_, attendues);

    // The verification collects the table names with a distinct select: same list, same order.
    QStringList distinctes;
    QSqlQuery requete = description_.base().executer(u"Select distinct NomTable\nFrom ChampDescription"_qs);
    while (requete.next()) distinctes.append(requete.value(0).toString());
    EXPECT_EQ(distinctes, attendues);
}

TEST_F(DescriptionLivree, TablesAbsentes)
{
    for (const QString& absente : {u"TmpEdPlan"_qs, u"Droits"_qs}) {
        for (const QString& table : ordreTables_) EXPECT_NE(table.toLower(), absente.toLower());
        for (const Index& i : index_) EXPECT_NE(i.table.toLower(), absente.toLower());
    }
}

TEST_F(DescriptionLivree, TypesTaillesEtNomsDesColonnes)
{
    const QSet<QString> codes{u"A"_qs, u"B"_qs, u"C"_qs, u"D"_qs, u"F"_qs, u"I"_qs, u"M"_qs, u"T"_qs};
    for (auto t = champs_.cbegin(); t != champs_.cend(); ++t) {
        QSet<QString> vus;
        for (const Champ& c : t.value()) {
            SCOPED_TRACE((t.key() + u"."_qs + c.nom).toStdString());
            EXPECT_TRUE(codes.contains(c.type)) << c.type.toStdString();
            if (c.type == u"C"_qs || c.type == u"M"_qs) {
                EXPECT_FALSE(c.taille.isNull());
                EXPECT_GT(c.taille.toInt(), 0);
            }
            EXPECT_FALSE(vus.contains(c.nom.toLower())) << "colonne en double";
            vus.insert(c.nom.toLower());
            EXPECT_FALSE(c.nom.contains(QLatin1Char(' ')));
        }
    }
    // Every column has the label quoted in the messages about it.
    EXPECT_EQ(description_.base().valeur(u"SELECT count(*) FROM ChampDescription WHERE Nom IS NULL"_qs).toInt(), 0);
    // No default rule is shipped.
    EXPECT_EQ(description_.base().valeur(u"SELECT count(*) FROM ChampDescription WHERE ValDef IS NOT NULL"_qs).toInt(),
              0);
}

TEST_F(DescriptionLivree, IndexCoherents)
{
    const QStringList mots{u"IXPRIMARY"_qs,         u"IXUNIQUE"_qs,     u"IXDESCENDING"_qs,
                           u"IXCASEINSENSITIVE"_qs, u"IXEXPRESSION"_qs, u"IXNONMAINTAINED"_qs};
    QMap<QString, int> primaires;
    QSet<QString> noms;
    for (const Index& i : index_) {
        SCOPED_TRACE((i.table + u" "_qs + i.nom).toStdString());
        ASSERT_TRUE(champs_.contains(i.table)) << "table non décrite";
        for (const QString& c : i.champs) EXPECT_NE(champ(i.table, c), nullptr) << c.toStdString();
        for (const QString& mot : i.options.split(QRegularExpression(u"[\\s;,]+"_qs), Qt::SkipEmptyParts))
            EXPECT_TRUE(mots.contains(mot.toUpper())) << mot.toStdString();
        // The primary index is the one without a name, and only it.
        EXPECT_EQ(i.nom.isEmpty(), primaire(i));
        if (primaire(i))
            ++primaires[i.table];
        else {
            // Index names share one namespace with the tables in the database.
            EXPECT_FALSE(noms.contains(i.nom.toLower())) << "nom d'index en double";
            noms.insert(i.nom.toLower());
            for (const QString& table : ordreTables_) EXPECT_NE(i.nom.toLower(), table.toLower());
        }
    }
    for (auto p = primaires.cbegin(); p != primaires.cend(); ++p) EXPECT_LE(p.value(), 1) << p.key().toStdString();
    // Every table with an identifier is keyed on it.
    for (auto t = champs_.cbegin(); t != champs_.cend(); ++t) {
        if (!champ(t.key(), u"Identifiant"_qs)) continue;
        bool cle = false;
        for (const Index& i : index_)
            if (i.table == t.key() && primaire(i) && i.champs == QStringList{u"Identifiant"_qs}) cle = true;
        EXPECT_TRUE(cle) << t.key().toStdString();
    }
}

TEST_F(DescriptionLivree, UneNuitDUnHebergementNeSeReserveQuUneFois)
{
    bool trouve = false;
    for (const Index& i : index_)
        if (i.table == u"Planning"_qs && i.champs == QStringList{u"IdPrest"_qs, u"Jour"_qs}) {
            trouve = true;
            EXPECT_TRUE(unique(i));
        }
    EXPECT_TRUE(trouve);
}

TEST_F(DescriptionLivree, ClesDesTables)
{
    struct Cle {
        const char* table;
        const char* champs;
        bool unique;
    };
    const Cle cles[] = {
        {"Remarques", "Jour", true},
        {"PlanRep", "Jour", true},
        {"TaillePos", "Ordinateur;Fenetre", true},
        {"ColGrille", "Ordinateur;Fenetre;Grille;NumOrdre", true},
        {"TailleCols", "Ordinateur;Fenetre;Grille;NumCol", true},
        {"Compteurs", "NomTable", true},
        {"departements", "Departement", true},
        {"Planning", "Jour;IdReservation", false},
        {"Contact", "TypeContact;Identifiant", false},
        {"Contact", "Nom;Prenom", false},
        {"Contact", "TypeContact;Societe", false},
        {"prestation", "TypePrest;Identifiant", false},
        {"prestation", "TypePrest;NumOrdre", false},
        {"Tarifs", "IdPrest", false},
        {"Tarifs", "IdPrest;IdTarif", false},
        {"Reservation", "IdReg", false},
        {"PrestCompl", "IdReservation;TypePrest", false},
        {"Repas", "IdReservation;Jour", false},
        {"FactLig", "IdFact", false},
        {"DepRec", "TypeEcr", false},
        {"DepRec", "DateEcr", false},
        {"DepRec", "IdRef", false},
        {"BonCHeb", "IdBon", false},
        {"BonCRepas", "IdBon", false},
        {"BonCRepas", "IdBon;NumJour", false},
        {"BonCPrest", "IdBon", false},
        {"Archives", "DateDeb;DateFin", false},
        {"Couleurs", "Nom", false},
    };
    for (const Cle& cle : cles) {
        SCOPED_TRACE(std::string(cle.table) + " " + cle.champs);
        const Index* trouve = nullptr;
        for (const Index& i : index_)
            if (i.table == QLatin1String(cle.table) && i.champs.join(QLatin1Char(';')) == QLatin1String(cle.champs))
                trouve = &i;
        ASSERT_NE(trouve, nullptr);
        EXPECT_EQ(unique(*trouve), cle.unique);
    }
}

TEST_F(DescriptionLivree, TypesEtLongueursDonnes)
{
    struct Attendu {
        const char* table;
        const char* colonne;
        const char* type;
        int taille; // 0: none
    };
    const Attendu attendus[] = {
        {"Trace", "Evenement", "C", 100},      {"Trace", "DateEvmt", "D", 0},
        {"Contact", "CodPost", "C", 5},        {"Contact", "Tel", "C", 30},
        {"Contact", "Fax", "C", 30},           {"Contact", "Langue", "C", 5},
        {"Contact", "Notes", "M", 240},        {"prestation", "Nom", "C", 50},
        {"prestation", "TarifSimple", "B", 0}, {"prestation", "TTC2", "F", 0},
        {"TypeTarif", "Per_Deb", "D", 0},      {"Reservation", "NumFac", "C", 20},
        {"Reservation", "Remarque", "C", 250}, {"Reservation", "HeureArr", "T", 0},
        {"Reservation", "ValRemise", "F", 0},  {"Reservation", "TypeRemise", "I", 0},
        {"Planning", "Jour", "D", 0},          {"Planning", "Taux1", "F", 0},
        {"Remarques", "Remarque", "C", 250},   {"PlanRep", "Plat10", "C", 50},
        {"TypeMenu", "Visible10", "B", 0},     {"options", "HeureDep", "T", 0},
        {"options", "DateBloquee", "D", 0},    {"options", "PourcentAcompte", "F", 0},
        {"options", "AvertirVista", "B", 0},   {"Factures", "NumFac", "C", 20},
        {"FactLig", "Libelle", "C", 50},       {"DepRec", "TypePaiement", "C", 50},
        {"BonsCadeau", "DateDebRes", "D", 0},  {"BonsCadeau", "Remarque", "C", 250},
        {"BonCPrest", "Offert", "B", 0},       {"Archives", "DateArch", "D", 0},
        {"ColGrille", "AffGrille", "B", 0},    {"Editions", "Valeur13", "F", 0},
        {"Compteurs", "NomTable", "C", 50},    {"Compteurs", "Dernier", "I", 0},
    };
    for (const Attendu& a : attendus) {
        SCOPED_TRACE(std::string(a.table) + "." + a.colonne);
        const Champ* c = champ(QLatin1String(a.table), QLatin1String(a.colonne));
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(c->type, QLatin1String(a.type));
        if (a.taille > 0)
            EXPECT_EQ(c->taille.toInt(), a.taille);
        else
            EXPECT_TRUE(c->taille.isNull());
    }
}

TEST_F(DescriptionLivree, ColonnesDansLOrdreDonne)
{
    auto colonnes = [this](const QString& table) {
        QStringList noms;
        for (const Champ& c : champs_[table]) noms.append(c.nom);
        return noms;
    };
    const QStringList tva{u"HT1"_qs,  u"HT2"_qs,  u"Taux1"_qs, u"Taux2"_qs,
                          u"TVA1"_qs, u"TVA2"_qs, u"TTC1"_qs,  u"TTC2"_qs};
    EXPECT_EQ(colonnes(u"Planning"_qs),
              QStringList({u"Jour"_qs, u"IdReservation"_qs, u"IdPrest"_qs, u"IdTarif"_qs, u"Etat"_qs, u"PrixUnit"_qs}) +
                  tva);
    EXPECT_EQ(colonnes(u"Remarques"_qs), (QStringList{u"Jour"_qs, u"Remarque"_qs}));
    EXPECT_EQ(colonnes(u"Trace"_qs),
              (QStringList{u"DateEvmt"_qs, u"HeureEvmt"_qs, u"Ordinateur"_qs, u"Utilisat"_qs, u"Evenement"_qs}));
    EXPECT_EQ(colonnes(u"Archives"_qs),
              (QStringList{u"Identifiant"_qs, u"DateDeb"_qs, u"DateFin"_qs, u"Nom"_qs, u"DateArch"_qs}));
    EXPECT_EQ(colonnes(u"Compteurs"_qs), (QStringList{u"NomTable"_qs, u"Dernier"_qs}));
    // The start-up repair of the column chooser recreates the table unless NumOrdre is fourth.
    EXPECT_EQ(colonnes(u"ColGrille"_qs).indexOf(u"NumOrdre"_qs), 3);
    EXPECT_EQ(colonnes(u"TypeMenu"_qs).size(), 21);
    EXPECT_EQ(colonnes(u"PlanRep"_qs).size(), 12);
    EXPECT_EQ(colonnes(u"Editions"_qs).size(), 20);
    EXPECT_EQ(colonnes(u"options"_qs).size(), 32);
    for (const QString& table : {u"prestation"_qs, u"Tarifs"_qs, u"Reservation"_qs, u"PrestCompl"_qs, u"Repas"_qs,
                                 u"Factures"_qs, u"FactLig"_qs, u"Regroupements"_qs, u"DepRec"_qs, u"BonsCadeau"_qs,
                                 u"BonCHeb"_qs, u"BonCRepas"_qs, u"BonCPrest"_qs, u"TmpContrat"_qs}) {
        const QStringList noms = colonnes(table);
        const qsizetype debut = noms.indexOf(u"HT1"_qs);
        ASSERT_GE(debut, 0) << table.toStdString();
        EXPECT_EQ(noms.mid(debut, tva.size()), tva) << table.toStdString();
    }
}

// The description must give valid SQLite statements: every table and index is created in
// a scratch database, and the planning key then refuses a second booking of a night.
TEST_F(DescriptionLivree, CreeUneBaseValide)
{
    BaseDonnees base;
    base.ouvrirEnMemoire();
    for (const QString& table : ordreTables_) {
        QStringList definitions;
        for (const Champ& c : champs_[table]) {
            static const QMap<QString, QString> types{
                {u"A"_qs, u"integer"_qs}, {u"B"_qs, u"boolean"_qs}, {u"C"_qs, u"char(%1)"_qs}, {u"D"_qs, u"date"_qs},
                {u"F"_qs, u"float"_qs},   {u"I"_qs, u"integer"_qs}, {u"M"_qs, u"text"_qs},     {u"T"_qs, u"time"_qs}};
            QString type = types.value(c.type);
            if (c.type == u"C"_qs) type = type.arg(c.taille.toInt());
            definitions.append(c.nom + u" "_qs + type);
        }
        ASSERT_NO_THROW(base.executer(u"CREATE TABLE %1 (%2)"_qs.arg(table, definitions.join(u", "_qs))))
            << table.toStdString();
    }
    for (const Index& i : index_) {
        const QString nom = i.nom.isEmpty() ? i.table + u"_Primaire"_qs : i.nom;
        ASSERT_NO_THROW(base.executer(u"CREATE %1INDEX %2 ON %3 (%4)"_qs.arg(unique(i) ? u"UNIQUE "_qs : QString(), nom,
                                                                             i.table, i.champs.join(u", "_qs))))
            << nom.toStdString();
    }
    const QString reserver = u"INSERT INTO Planning (Jour, IdReservation, IdPrest, Etat) VALUES (?, ?, ?, 3)"_qs;
    base.executer(reserver, {u"2024-07-14"_qs, 1, 5});
    base.executer(reserver, {u"2024-07-14"_qs, 1, 6});
    base.executer(reserver, {u"2024-07-15"_qs, 2, 5});
    EXPECT_ANY_THROW(base.executer(reserver, {u"2024-07-14"_qs, 2, 5}));
    EXPECT_EQ(base.valeur(u"SELECT count(*) FROM Planning"_qs).toInt(), 3);
}
