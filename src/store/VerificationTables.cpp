#include "store/VerificationTables.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Horloge.h"
#include "app/Progression.h"
#include "app/Reglages.h"
#include "app/Version.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/Dialecte.h"

#include <QDir>
#include <QSet>
#include <QSqlQuery>

namespace velorin {

namespace {
using dialecte::identifiant;

QStringList enMinuscules(const QStringList& noms)
{
    QStringList resultat;
    for (const QString& nom : noms)
        resultat.append(nom.toLower());
    return resultat;
}

QChar codeType(const QString& type) { return type.isEmpty() ? QChar() : type.at(0).toUpper(); }

// Source table and column of a "S->C" rule.
std::pair<QString, QString> sourceEtColonne(const QString& texte, const QString& regle)
{
    const int fleche = texte.indexOf(QLatin1String("->"));
    const QString source = texte.left(fleche).trimmed();
    const QString colonne = fleche < 0 ? QString() : texte.mid(fleche + 2).trimmed();
    if (source.isEmpty() || colonne.isEmpty())
        throw Erreur(u"La règle de valeur par défaut \""_qs + regle + u"\" est incorrecte."_qs);
    return {source, colonne};
}

// Puts the progress bar back as it was once the filling of a column is over.
class RestaurationBarre {
public:
    explicit RestaurationBarre(Progression* progression)
        : progression_(progression)
        , maximum_(progression ? progression->maximum() : 0)
        , position_(progression ? progression->position() : 0)
    {
    }
    ~RestaurationBarre()
    {
        if (!progression_) return;
        progression_->setMaximum(maximum_);
        progression_->setPosition(position_);
    }
    RestaurationBarre(const RestaurationBarre&) = delete;
    RestaurationBarre& operator=(const RestaurationBarre&) = delete;

private:
    Progression* progression_;
    int maximum_;
    int position_;
};
} // namespace

VerificationTables::VerificationTables(DMCommun& commun)
    : VerificationTables(commun, texteVersionProgramme())
{
}

VerificationTables::VerificationTables(DMCommun& commun, QString versionProgramme)
    : commun_(commun)
    , versionProgramme_(std::move(versionProgramme))
{
}

QString VerificationTables::dossierStructures(const QString& dossierProgramme)
{
    return QDir(dossierProgramme).filePath(QStringLiteral("StructuresTables"));
}

// ---------------------------------------------------------------- all tables

void VerificationTables::VerifierTables(Progression* progression)
{
    progression_ = progression;
    const QString donnees = commun_.dossierDonnees();
    if (donnees.isEmpty()) return;
    VerifIni verif(donnees);
    try {
        verif.commencer(commun_.services().horloge.maintenant());
        if (!DescriptionStructures::presente(dossierStructures(commun_.dossierProgramme()))) {
            message(u"Le programme n'a pas pu vérifier les tables car il n'a pas trouvé la structure des tables."_qs);
        } else {
            if (progression_) progression_->setLibelle(u"Initialisation...."_qs);
            const QStringList tables = listeTables();
            if (progression_) progression_->setMaximum(static_cast<int>(tables.size()));
            for (int i = 0; i < tables.size(); ++i) {
                if (progression_) {
                    progression_->setPosition(i);
                    progression_->setLibelle(u"Vérification de la table "_qs + tables.at(i));
                }
                evenements();
                verifierTable(tables.at(i));
            }
            if (progression_) {
                progression_->setLibelle(u"La vérification des tables est terminée."_qs);
                progression_->setPosition(progression_->maximum());
            }
            evenements();
            commun_.services().horloge.attendre(500);
        }
        verif.terminer(versionProgramme_);
    } catch (const std::exception& e) {
        differer_ = false;
        message(u"Erreur pendant la vérification des tables : "_qs + texteErreur(e));
        // Version is not written: the next start verifies again.
        verif.abandonner();
    }
    progression_ = nullptr;
}

QStringList VerificationTables::listeTables()
{
    QStringList noms;
    try {
        description_.charger(dossierStructures(commun_.dossierProgramme()));
        avecValDef_ = description_.base()
                          .colonnes(QStringLiteral("ChampDescription"))
                          .contains(QStringLiteral("ValDef"), Qt::CaseInsensitive);
        // In the description's order: a ValDef rule may read a table described before.
        QSqlQuery requete = description_.base().executer(
            QStringLiteral("SELECT NomTable, MIN(Ordre) AS Premier FROM ChampDescription "
                           "WHERE trim(coalesce(NomTable, '')) <> '' GROUP BY lower(NomTable) ORDER BY Premier"));
        while (requete.next())
            noms.append(requete.value(0).toString().trimmed());
    } catch (const std::exception& e) {
        message(u"Erreur pendant la préparation de la liste des tables : "_qs + texteErreur(e));
    }
    return noms;
}

void VerificationTables::verifierTable(const QString& table)
{
    differer_ = true;
    try {
        BaseDonnees& base = commun_.baseDeTable(table);
        if (base.tableExiste(table))
            mettreAJourTable(base, table);
        else
            creerTable(base, table);
    } catch (const std::exception& e) {
        message(u"Erreur lors de la vérification de la table "_qs + table + u" : "_qs + texteErreur(e));
    }
    differer_ = false;
    afficherMessages();
}

QList<VerificationTables::Champ> VerificationTables::champsDecrits(const QString& table)
{
    QList<Champ> champs;
    QSqlQuery requete =
        description_.base().executer(QStringLiteral("SELECT NomChamps, Type, Taille, Nom%1 FROM ChampDescription "
                                                    "WHERE NomTable = ? COLLATE NOCASE ORDER BY Ordre")
                                         .arg(avecValDef_ ? QStringLiteral(", ValDef") : QString()),
                                     {table});
    while (requete.next()) {
        Champ champ;
        champ.nomChamps = requete.value(0).toString().trimmed();
        champ.type = requete.value(1).toString().trimmed();
        champ.taille = requete.value(2).toInt();
        champ.nom = requete.value(3).toString();
        if (avecValDef_) champ.valDef = requete.value(4);
        if (!champ.nomChamps.isEmpty()) champs.append(champ);
    }
    return champs;
}

QList<VerificationTables::IndexDecrit> VerificationTables::indexDecrits(const QString& table)
{
    QList<IndexDecrit> index;
    QSqlQuery requete =
        description_.base().executer(QStringLiteral("SELECT NomIndex, Champs, Options FROM IndexDescription "
                                                    "WHERE NomTable = ? COLLATE NOCASE ORDER BY Ordre"),
                                     {table});
    while (requete.next())
        index.append({requete.value(0).toString().trimmed(), requete.value(1).toString(), requete.value(2).toString()});
    return index;
}

// ---------------------------------------------------------------- create

void VerificationTables::creerTable(BaseDonnees& base, const QString& table)
{
    QString creation;
    QList<IndexDecrit> index;
    QString typeInconnu;
    try {
        const QList<Champ> champs = champsDecrits(table);
        index = indexDecrits(table);
        QStringList lignes{u"CREATE TABLE "_qs + identifiant(table) + u" ("_qs};
        for (int i = 0; i < champs.size(); ++i) {
            const Champ& champ = champs.at(i);
            const QString definition = dialecte::definitionColonne(champ.type, champ.taille);
            if (definition.isEmpty() && typeInconnu.isEmpty())
                typeInconnu =
                    u"Type de champ inconnu \""_qs + champ.type + u"\" pour le champ "_qs + champ.nomChamps + u"."_qs;
            lignes.append(identifiant(champ.nomChamps) + definition);
            if (i < champs.size() - 1) lignes.append(QStringLiteral(","));
        }
        lignes.append(QStringLiteral(" )"));
        creation = lignes.join(QLatin1Char('\n'));
    } catch (const std::exception& e) {
        message(u"Erreur pendant la préparation de création de la table "_qs + table + u" : "_qs + texteErreur(e));
        return;
    }

    // The table and its indexes appear together.
    Transaction transaction(base);
    try {
        // SQLite would accept a column without a type: refuse it as the statement's failure.
        if (!typeInconnu.isEmpty()) throw Erreur(typeInconnu);
        base.executer(creation);
    } catch (const std::exception& e) {
        message(u"Erreur pendant la création de la table "_qs + table + u" : "_qs + texteErreur(e));
        return;
    }
    try {
        Transaction ajoutIndex(base);
        QStringList existants;
        for (const IndexExistant& existant : indexExistants(base, table))
            existants.append(existant.nom);
        for (const IndexDecrit& decrit : index) {
            const QString nom = dialecte::nomIndex(table, decrit.nomIndex);
            if (existants.contains(nom, Qt::CaseInsensitive)) continue;
            base.executer(dialecte::creationIndex(table, decrit.nomIndex, decrit.champs, decrit.options));
            existants.append(nom);
        }
        ajoutIndex.valider();
    } catch (const std::exception& e) {
        message(u"Les index de la table "_qs + table + u" n'ont pu être vérifiés."_qs + u"\n"_qs +
                u"Veuillez le faire manuellement à l'aide de la réindexation."_qs + u"\n"_qs + texteErreur(e));
    }
    transaction.valider();
}

// ---------------------------------------------------------------- upgrade

void VerificationTables::mettreAJourTable(BaseDonnees& base, const QString& table)
{
    verifierIntegrite(base, table);
    const QList<Champ> champs = champsDecrits(table);
    const QList<IndexDecrit> index = indexDecrits(table);
    // Each step reports its own failure and the next one still runs: a column that cannot be
    // dropped (a view reads it) must not keep the table from its new columns and indexes.
    Transaction transaction(base);
    ajouterColonnes(base, table, champs);
    try {
        supprimerColonnes(base, table, champs);
    } catch (const std::exception& e) {
        message(u"Erreur lors de la vérification de la table "_qs + table + u" : "_qs + texteErreur(e));
    }
    verifierIndex(base, table, index);
    transaction.valider();
}

void VerificationTables::verifierIntegrite(BaseDonnees& base, const QString& table)
{
    const auto defaut = [&]() -> QString {
        try {
            QStringList lignes;
            QSqlQuery requete = base.executer(u"PRAGMA integrity_check("_qs + identifiant(table) + u")"_qs);
            while (requete.next())
                lignes.append(requete.value(0).toString());
            return lignes == QStringList{QStringLiteral("ok")} ? QString() : lignes.join(QLatin1Char('\n'));
        } catch (const std::exception& e) {
            return texteErreur(e);
        }
    };
    const QString avant = defaut();
    if (avant.isEmpty()) return;
    // The damaged index files of old were deleted and rebuilt; here the indexes are rebuilt
    // from the table's rows, which are never deleted.
    try {
        base.executer(u"REINDEX "_qs + identifiant(table));
    } catch (const std::exception& e) {
        throw Erreur(avant + u"\n"_qs + texteErreur(e));
    }
    const QString apres = defaut();
    if (!apres.isEmpty()) throw Erreur(apres);
    commun_.TracerEvenement(u"Table "_qs + table + u" endommagée : index reconstruits."_qs);
}

void VerificationTables::ajouterColonnes(BaseDonnees& base, const QString& table, const QList<Champ>& champs)
{
    QStringList existantes = enMinuscules(colonnesTable(base, table));
    for (const Champ& champ : champs) {
        if (existantes.contains(champ.nomChamps.toLower())) continue;
        try {
            const QString definition = dialecte::definitionColonne(champ.type, champ.taille);
            if (definition.isEmpty())
                throw Erreur(u"Type de champ inconnu \""_qs + champ.type + u"\" pour le champ "_qs + champ.nomChamps +
                             u"."_qs);
            base.executer(u"ALTER TABLE "_qs + identifiant(table) + u"\n"_qs + u"ADD "_qs +
                          identifiant(champ.nomChamps) + definition);
        } catch (const std::exception& e) {
            message(u"Erreur pendant l'ajout du champs \""_qs + champ.nom + u"\" à la table "_qs + table + u" : "_qs +
                    texteErreur(e));
            continue;
        }
        if (avecValDef_ && !champ.valDef.isNull() && !champ.valDef.toString().isEmpty() &&
            codeType(champ.type) != QLatin1Char('A')) {
            try {
                // The whole column or nothing: a failure leaves it empty, never half filled.
                Transaction remplissage(base);
                remplirColonne(base, table, champ);
                remplissage.valider();
            } catch (const std::exception& e) {
                message(u"Erreur pendant le remplissage du champs \""_qs + champ.nom + u"\" à la table "_qs + table +
                        u" : "_qs + texteErreur(e));
            }
        }
        existantes = enMinuscules(colonnesTable(base, table));
    }
}

void VerificationTables::remplirColonne(BaseDonnees& base, const QString& table, const Champ& champ)
{
    const QString regle = champ.valDef.toString();
    if (regle.startsWith(QLatin1Char(';'))) {
        remplirParCondition(base, table, champ, regle);
    } else if (regle.contains(QLatin1String("->"))) {
        remplirDepuisSource(base, table, champ, regle);
    } else {
        const QString debut =
            u"UPDATE "_qs + identifiant(table) + u"\n"_qs + u"SET "_qs + identifiant(champ.nomChamps) + u" = "_qs;
        const QChar type = codeType(champ.type);
        if (type == QLatin1Char('C') || type == QLatin1Char('D') || type == QLatin1Char('M') ||
            type == QLatin1Char('T'))
            base.executer(debut + u"?"_qs, {dialecte::valeurPourType(champ.type, regle)});
        else
            // A number, a Boolean or an expression written in the description.
            base.executer(debut + regle);
    }
}

void VerificationTables::remplirDepuisSource(BaseDonnees& base, const QString& table, const Champ& champ,
                                             const QString& regle)
{
    const auto [source, colonne] = sourceEtColonne(regle, regle);
    BaseDonnees& baseSource = commun_.baseDeTable(source);
    // The first record is the first in the order of the primary index.
    QString ordre = QStringLiteral("rowid");
    for (const IndexExistant& index : indexExistants(baseSource, source)) {
        if (dialecte::nomIndexDecrit(source, index.nom) != QString()) continue;
        QStringList colonnes;
        for (const QString& c : index.colonnes)
            colonnes.append(identifiant(c));
        if (!colonnes.isEmpty()) ordre = colonnes.join(QStringLiteral(", "));
    }
    const QList<QSqlRecord> premier =
        lireTable(baseSource, u"SELECT "_qs + identifiant(colonne) + u" FROM "_qs + identifiant(source) +
                                  u" ORDER BY "_qs + ordre + u" LIMIT 1"_qs);
    // An empty source table has no value to give: the column stays empty.
    if (premier.isEmpty()) return;
    const QVariant valeur = dialecte::valeurPourType(champ.type, premier.first().value(0));
    base.executer(u"UPDATE "_qs + identifiant(table) + u"\n"_qs + u"SET "_qs + identifiant(champ.nomChamps) +
                      u" = ?"_qs,
                  {valeur});
}

void VerificationTables::remplirParCondition(BaseDonnees& base, const QString& table, const Champ& champ,
                                             const QString& regle)
{
    // ";Cond;S->C" or ";Cond;S->C;Rest", of which only 100 characters are read.
    const QString corps = regle.mid(1, 100);
    const int fin = corps.indexOf(QLatin1Char(';'));
    const QString condition = corps.left(fin).trimmed();
    const QString suite = fin < 0 ? QString() : corps.mid(fin + 1);
    const int finSource = suite.indexOf(QLatin1Char(';'));
    const QString texteSource = finSource < 0 ? suite : suite.left(finSource);
    const QString reste = finSource < 0 ? QString() : suite.mid(finSource + 1).trimmed();
    const int deuxPoints = condition.lastIndexOf(QLatin1Char(':'));
    const QString parametre = deuxPoints < 0 ? QString() : condition.mid(deuxPoints + 1).trimmed();
    if (fin < 0 || condition.isEmpty() || parametre.isEmpty())
        throw Erreur(u"La règle de valeur par défaut \""_qs + regle + u"\" est incorrecte."_qs);
    const auto [source, colonne] = sourceEtColonne(texteSource, regle);

    const QList<QSqlRecord> enregistrements =
        lireTable(commun_.baseDeTable(source), u"SELECT * FROM "_qs + identifiant(source));
    const QString miseAJour = u"UPDATE "_qs + identifiant(table) + u"\n"_qs + u"SET "_qs +
                              identifiant(champ.nomChamps) + u" = :NouvVal"_qs + u"\n"_qs + u"WHERE "_qs + condition;
    {
        RestaurationBarre restauration(progression_);
        if (progression_) progression_->setMaximum(static_cast<int>(enregistrements.size()));
        for (int i = 0; i < enregistrements.size(); ++i) {
            const QSqlRecord& enregistrement = enregistrements.at(i);
            if (progression_) progression_->setPosition(i + 1);
            for (const QString& nom : {colonne, parametre})
                if (enregistrement.indexOf(nom) < 0)
                    throw Erreur(u"La table "_qs + source + u" n'a pas de champ "_qs + nom + u"."_qs);
            base.executer(miseAJour, QVariantMap{{QStringLiteral("NouvVal"), enregistrement.value(colonne)},
                                                 {parametre, enregistrement.value(parametre)}});
            evenements();
        }
    }
    if (!reste.isEmpty())
        base.executer(u"UPDATE "_qs + identifiant(table) + u"\n"_qs + u"SET "_qs + identifiant(champ.nomChamps) +
                      u" = "_qs + reste + u"\n"_qs + u"WHERE "_qs + identifiant(champ.nomChamps) + u" IS NULL"_qs);
}

void VerificationTables::supprimerColonnes(BaseDonnees& base, const QString& table, const QList<Champ>& champs)
{
    QSet<QString> decrites;
    for (const Champ& champ : champs)
        decrites.insert(champ.nomChamps.toLower());
    for (;;) {
        // From the last column towards the first, starting again after each drop.
        const QStringList colonnes = colonnesTable(base, table);
        QString colonne;
        for (auto it = colonnes.crbegin(); it != colonnes.crend() && colonne.isEmpty(); ++it)
            if (!decrites.contains(it->toLower())) colonne = *it;
        if (colonne.isEmpty()) return;
        Transaction suppression(base);
        // SQLite refuses to drop an indexed column: its indexes go first and the index
        // check recreates the described ones.
        for (const IndexExistant& index : indexExistants(base, table))
            if (index.nomme && index.colonnes.contains(colonne, Qt::CaseInsensitive))
                base.executer(u"DROP INDEX "_qs + identifiant(index.nom));
        base.executer(u"ALTER TABLE "_qs + identifiant(table) + u"\n"_qs + u"DROP "_qs + identifiant(colonne));
        suppression.valider();
    }
}

void VerificationTables::verifierIndex(BaseDonnees& base, const QString& table, const QList<IndexDecrit>& decrits)
{
    try {
        Transaction modification(base);
        // Indexes that are not described, or not on the described columns, are dropped.
        for (const IndexExistant& index : indexExistants(base, table)) {
            if (!index.nomme) continue;
            const std::optional<QString> nomDecrit = dialecte::nomIndexDecrit(table, index.nom);
            const IndexDecrit* decrit = nullptr;
            if (nomDecrit) {
                for (const IndexDecrit& d : decrits)
                    if (d.nomIndex.compare(*nomDecrit, Qt::CaseInsensitive) == 0) {
                        decrit = &d;
                        break;
                    }
            }
            if (!decrit || enMinuscules(dialecte::champsIndex(decrit->champs)) != enMinuscules(index.colonnes))
                base.executer(u"DROP INDEX "_qs + identifiant(index.nom));
        }
        // Then the missing ones are added.
        QStringList existants;
        for (const IndexExistant& index : indexExistants(base, table))
            existants.append(index.nom);
        for (const IndexDecrit& decrit : decrits) {
            const QString nom = dialecte::nomIndex(table, decrit.nomIndex);
            if (existants.contains(nom, Qt::CaseInsensitive)) continue;
            base.executer(dialecte::creationIndex(table, decrit.nomIndex, decrit.champs, decrit.options));
            existants.append(nom);
        }
        modification.valider();
    } catch (const std::exception& e) {
        message(u"Les index de la table "_qs + table + u" n'ont pu être vérifiés."_qs + u"\n"_qs +
                u"Veuillez le faire manuellement à l'aide de la régénération."_qs + u"\n"_qs + texteErreur(e));
    }
}

// ---------------------------------------------------------------- start-up decision

bool VerificationTables::indexManquants()
{
    try {
        for (BaseDonnees* base : {&commun_.base(), &commun_.baseArchives()}) {
            if (!base->estOuverte()) continue;
            if (base->valeur(QStringLiteral("PRAGMA quick_check")).toString() != QLatin1String("ok")) return true;
        }
        const QString dossier = dossierStructures(commun_.dossierProgramme());
        if (!DescriptionStructures::presente(dossier)) return false;
        DescriptionStructures description;
        description.charger(dossier);
        QSqlQuery requete =
            description.base().executer(QStringLiteral("SELECT DISTINCT NomTable, NomIndex FROM IndexDescription "
                                                       "WHERE trim(coalesce(NomTable, '')) <> ''"));
        while (requete.next()) {
            const QString table = requete.value(0).toString().trimmed();
            BaseDonnees& base = commun_.baseDeTable(table);
            const QVariant trouve = base.valeur(
                QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ? COLLATE NOCASE"),
                {dialecte::nomIndex(table, requete.value(1).toString())});
            if (!trouve.isValid()) return true;
        }
        return false;
    } catch (const std::exception&) {
        // What cannot be checked is verified.
        return true;
    }
}

// ---------------------------------------------------------------- helpers

QList<VerificationTables::IndexExistant> VerificationTables::indexExistants(BaseDonnees& base, const QString& table)
{
    QList<IndexExistant> index;
    for (const QSqlRecord& ligne : lireTable(base, u"PRAGMA index_list("_qs + identifiant(table) + u")"_qs)) {
        IndexExistant existant;
        existant.nom = ligne.value(QStringLiteral("name")).toString();
        existant.nomme = ligne.value(QStringLiteral("origin")).toString() == QLatin1String("c");
        for (const QSqlRecord& colonne :
             lireTable(base, u"PRAGMA index_info("_qs + identifiant(existant.nom) + u")"_qs))
            existant.colonnes.append(colonne.value(QStringLiteral("name")).toString());
        index.append(existant);
    }
    return index;
}

QStringList VerificationTables::colonnesTable(BaseDonnees& base, const QString& table)
{
    // Read through a statement, so that a table that cannot be read stops its verification.
    QStringList colonnes;
    for (const QSqlRecord& ligne : lireTable(base, u"PRAGMA table_info("_qs + identifiant(table) + u")"_qs))
        colonnes.append(ligne.value(QStringLiteral("name")).toString());
    return colonnes;
}

QList<QSqlRecord> VerificationTables::lireTable(BaseDonnees& base, const QString& sql)
{
    // Read to the end at once: a statement left open would keep the table locked against
    // the structure changes that follow.
    QList<QSqlRecord> lignes;
    QSqlQuery requete = base.executer(sql);
    while (requete.next())
        lignes.append(requete.record());
    return lignes;
}

void VerificationTables::evenements()
{
    if (progression_)
        progression_->traiterEvenements();
    else
        commun_.services().horloge.traiterEvenements();
}

void VerificationTables::message(const QString& texte)
{
    messages_.append(texte);
    if (!differer_) afficherMessages();
}

void VerificationTables::afficherMessages()
{
    const QStringList messages = std::exchange(messages_, {});
    for (const QString& texte : messages)
        commun_.services().dialogues.erreur(texte);
}

} // namespace velorin
