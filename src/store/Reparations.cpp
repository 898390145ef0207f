#include "store/Reparations.h"

#include "store/Dialecte.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Fichiers.h"
#include "app/Progression.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

#include <vector>

namespace velorin {

Reparations::Reparations(DMCommun& commun, Progression* progression)
    : commun_(commun)
    , base_(commun.base())
    , progression_(progression)
{
}

QString Reparations::typeDeclare(BaseDonnees& base, const QString& table, const QString& colonne)
{
    const QString nom = base.nomTable(table);
    if (nom.isEmpty()) return {};
    QSqlQuery requete = base.executer(QStringLiteral("SELECT name, type FROM pragma_table_info(?)"), {nom});
    while (requete.next())
        if (requete.value(0).toString().compare(colonne, Qt::CaseInsensitive) == 0)
            return requete.value(1).toString().trimmed().toUpper();
    return {};
}

bool Reparations::estMemo(const QString& typeDeclare)
{
    const QString type = typeDeclare.trimmed().toUpper();
    return type.startsWith(QLatin1String("BLOB")) || type.startsWith(QLatin1String("MEMO")) ||
           type.startsWith(QLatin1String("CLOB")) || type == QLatin1String("TEXT");
}

void Reparations::libelle(const QString& texte)
{
    if (!progression_) return;
    progression_->setLibelle(texte);
    progression_->traiterEvenements();
}

void Reparations::avancer(int position, int maximum)
{
    if (!progression_) return;
    if (progression_->maximum() != maximum) progression_->setMaximum(maximum);
    progression_->setPosition(position);
    progression_->traiterEvenements();
}

void Reparations::signaler(const QString& phrase, const std::exception& e)
{
    commun_.services().dialogues.erreur(phrase + QStringLiteral(" : ") + texteErreur(e));
}

bool Reparations::tablesPresentes(std::initializer_list<const char*> tables)
{
    for (const char* table : tables)
        if (!base_.tableExiste(QString::fromLatin1(table))) return false;
    return true;
}

void Reparations::reparerColGrille()
{
    try {
        if (!base_.tableExiste(QStringLiteral("ColGrille"))) return;
        const QStringList colonnes = base_.colonnes(QStringLiteral("ColGrille"));
        qsizetype position = -1;
        for (qsizetype i = 0; i < colonnes.size(); ++i)
            if (colonnes.at(i).compare(QStringLiteral("NumOrdre"), Qt::CaseInsensitive) == 0) position = i;
        if (position < 0) return;
        Transaction transaction(base_);
        base_.executer(QStringLiteral("DELETE FROM ColGrille WHERE NumOrdre IS NULL"));
        // An older layout of the table: the verification creates it anew.
        if (position != 3) base_.executer(QStringLiteral("DROP TABLE ColGrille"));
        transaction.valider();
    } catch (const std::exception& e) {
        signaler(u"Erreur pendant la réparation de la table des colonnes affichées"_qs, e);
    }
}

void Reparations::reparerDonnees()
{
    creerFacturesManquantes();
    convertirRemarques();
    convertirRemarquesReservations();
    rangerDocuments();
    referencesFactures();
    referencesRecettes();
    nettoyerCatalogue();
    creerHotesManquants();
}

void Reparations::creerFacturesManquantes()
{
    // An empty Factures beside numbered reservations receives one invoice per reservation,
    // in order of last night and identifier, dated the day after the stay ("Mise à jour de
    // la table des factures"). It needs the invoice creation of the billing subsystem and
    // joins with it.
}

void Reparations::convertirRemarques()
{
    try {
        if (!estMemo(typeDeclare(base_, QStringLiteral("Remarques"), QStringLiteral("Remarque")))) return;
        libelle(u"Mise à jour de la table des observations."_qs);
        Transaction transaction(base_);
        base_.executer(QStringLiteral("ALTER TABLE Remarques RENAME TO Remarques_anc"));
        base_.executer(QStringLiteral("CREATE TABLE Remarques (Jour date, Remarque Char(250))"));
        base_.executer(QStringLiteral("INSERT INTO Remarques (Jour, Remarque) "
                                      "SELECT Jour, CAST(Remarque AS TEXT) FROM Remarques_anc ORDER BY Jour"));
        // The old table goes first: its indexes carry the names the new ones take.
        base_.executer(QStringLiteral("DROP TABLE Remarques_anc"));
        // One remark per day: a duplicate day stops the conversion and keeps the old table.
        base_.executer(QStringLiteral("CREATE UNIQUE INDEX %1 ON Remarques (Jour)")
                           .arg(dialecte::identifiant(dialecte::nomIndex(QStringLiteral("Remarques"), {}))));
        transaction.valider();
    } catch (const std::exception& e) {
        signaler(u"Erreur pendant la mise à jour de la table des observations"_qs, e);
    }
}

void Reparations::convertirRemarquesReservations()
{
    try {
        if (!estMemo(typeDeclare(base_, QStringLiteral("Reservation"), QStringLiteral("Remarque")))) return;
        libelle(u"Mise à jour de la table des réservations."_qs);
        Transaction transaction(base_);
        // The remarks are put back by row, so that a reservation without identifier or
        // sharing one with another keeps its own remark.
        base_.executer(
            QStringLiteral("CREATE TABLE Tmp_Reserv (Ligne integer, Identifiant integer, Remarque blob(0))"));
        base_.executer(QStringLiteral("INSERT INTO Tmp_Reserv (Ligne, Identifiant, Remarque) "
                                      "SELECT rowid, Identifiant, Remarque FROM Reservation"));
        base_.executer(QStringLiteral("ALTER TABLE Reservation DROP COLUMN Remarque"));
        base_.executer(QStringLiteral("ALTER TABLE Reservation ADD COLUMN Remarque Char(250)"));
        std::vector<std::pair<qint64, QVariant>> remarques;
        {
            QSqlQuery requete = base_.executer(
                QStringLiteral("SELECT Ligne, Remarque FROM Tmp_Reserv WHERE Remarque IS NOT NULL ORDER BY Ligne"));
            while (requete.next())
                remarques.emplace_back(requete.value(0).toLongLong(), requete.value(1));
        }
        const int nombre = static_cast<int>(remarques.size());
        for (int i = 0; i < nombre; ++i) {
            avancer(i, nombre);
            // A memo holds text: bound as text, whatever the engine handed back.
            base_.executer(QStringLiteral("UPDATE Reservation SET Remarque = ? WHERE rowid = ?"),
                           {remarques[i].second.toString(), remarques[i].first});
        }
        avancer(nombre, nombre);
        base_.executer(QStringLiteral("DROP TABLE Tmp_Reserv"));
        transaction.valider();
    } catch (const std::exception& e) {
        signaler(u"Erreur pendant la mise à jour de la table des réservations"_qs, e);
    }
}

void Reparations::rangerDocuments()
{
    try {
        const QString donnees = commun_.dossierDonnees();
        if (donnees.isEmpty()) return;
        QString langues = fichiers::trouverSansCasse(donnees, QStringLiteral("Langues"));
        if (langues.isEmpty()) langues = QDir(donnees).filePath(QStringLiteral("Langues"));
        const QString existant = fichiers::trouverSansCasse(langues, QStringLiteral("FR"));
        if (!existant.isEmpty() && QFileInfo(existant).isDir()) return;
        const QString fr = QDir(langues).filePath(QStringLiteral("FR"));
        if (!QDir().mkpath(fr)) throw Erreur(QStringLiteral("Impossible de créer le dossier %1").arg(fr));
        static const char* const documents[] = {"contrat.rtm",          "facture.rtm",       "fichereserv.rtm",
                                                "facturetva.rtm",       "EnteteContrat.RTF", "EnteteContrat2.RTF",
                                                "ContratReserv.RTF",    "CondGen.RTF",       "TexteMailContrat.TXT",
                                                "TexteMailRelance.TXT", "TexteMailAR.TXT",   "TexteMailMerci.TXT",
                                                "TexteMailBonC.TXT",    "EnteteFacture.RTF", "BasFacture.RTF"};
        for (const char* document : documents) {
            const QString nom = QString::fromLatin1(document);
            const QString source = fichiers::trouverSansCasse(donnees, nom);
            if (source.isEmpty() || !QFileInfo(source).isFile()) continue;
            const QString cible = QDir(fr).filePath(nom);
            if (!QFile::rename(source, cible))
                throw Erreur(QStringLiteral("Impossible de déplacer le fichier %1 vers %2").arg(source, cible));
        }
    } catch (const std::exception& e) {
        signaler(u"Erreur pendant la mise en place du dossier des documents Langues/FR"_qs, e);
    }
}

void Reparations::referencesFactures()
{
    try {
        if (!tablesPresentes({"Factures", "FactLig", "Reservation"})) return;
        libelle(u"Mise à jour des références pièce dans la table de recettes."_qs);
        struct Reference {
            QVariant idReserv, numFac, idFact;
        };
        std::vector<Reference> references;
        {
            // In invoice order, so that a reservation invoiced twice keeps its latest invoice.
            QSqlQuery requete = base_.executer(QStringLiteral("SELECT DISTINCT L.IdReserv, F.NumFac, F.Identifiant "
                                                              "FROM Factures F, FactLig L "
                                                              "WHERE F.Identifiant = L.IdFact "
                                                              "ORDER BY F.Identifiant"));
            while (requete.next())
                references.push_back({requete.value(0), requete.value(1), requete.value(2)});
        }
        Transaction transaction(base_);
        const int nombre = static_cast<int>(references.size());
        for (int i = 0; i < nombre; ++i) {
            avancer(i, nombre);
            base_.executer(QStringLiteral("UPDATE Reservation SET NumFac = ?, IdFact = ? WHERE Identifiant = ?"),
                           {references[i].numFac, references[i].idFact, references[i].idReserv});
        }
        avancer(nombre, nombre);
        transaction.valider();
    } catch (const std::exception& e) {
        signaler(u"Erreur pendant la mise à jour des références des factures"_qs, e);
    }
}

void Reparations::referencesRecettes()
{
    try {
        if (!tablesPresentes({"DepRec", "Reservation"})) return;
        const bool avecBons = base_.tableExiste(QStringLiteral("BonsCadeau"));
        struct Recette {
            QVariant identifiant;
            int idRef;
        };
        std::vector<Recette> recettes;
        {
            // An empty reference may also have been stored as null.
            QSqlQuery requete =
                base_.executer(QStringLiteral("SELECT Identifiant, IdRef FROM DepRec "
                                              "WHERE TypeEcr = 1 AND (RefPiece = '' OR RefPiece IS NULL) "
                                              "AND IdRef IS NOT NULL"));
            while (requete.next())
                recettes.push_back({requete.value(0), requete.value(1).toInt()});
        }
        Transaction transaction(base_);
        const int nombre = static_cast<int>(recettes.size());
        for (int i = 0; i < nombre; ++i) {
            avancer(i, nombre);
            const Recette& recette = recettes[i];
            QVariant numFac;
            if (recette.idRef < 0) {
                if (avecBons)
                    numFac = base_.valeur(QStringLiteral("SELECT NumFac FROM BonsCadeau WHERE Identifiant = ?"),
                                          {-recette.idRef});
            } else {
                numFac = base_.valeur(QStringLiteral("SELECT NumFac FROM Reservation WHERE Identifiant = ?"),
                                      {recette.idRef});
            }
            if (numFac.toString().isEmpty()) continue;
            base_.executer(QStringLiteral("UPDATE DepRec SET RefPiece = ? WHERE Identifiant = ? AND TypeEcr = 1 "
                                          "AND IdRef = ? AND (RefPiece = '' OR RefPiece IS NULL)"),
                           {numFac.toString(), recette.identifiant, recette.idRef});
        }
        avancer(nombre, nombre);
        transaction.valider();
    } catch (const std::exception& e) {
        signaler(u"Erreur pendant la mise à jour des références pièce des recettes"_qs, e);
    }
}

void Reparations::nettoyerCatalogue()
{
    try {
        if (!tablesPresentes({"Prestation"})) return;
        Transaction transaction(base_);
        base_.executer(QStringLiteral("UPDATE Prestation SET SansTVA = 0 WHERE SansTVA IS NULL"));
        base_.executer(QStringLiteral("DELETE FROM Prestation WHERE TypePrest IS NULL"));
        transaction.valider();
    } catch (const std::exception& e) {
        signaler(u"Erreur pendant le nettoyage du catalogue"_qs, e);
    }
}

void Reparations::creerHotesManquants()
{
    try {
        if (!tablesPresentes({"Reservation", "Contact"})) return;
        libelle(u"Correction des hôtes manquants."_qs);
        std::vector<std::pair<QVariant, QVariant>> liens; // IdContact, reservation
        {
            QSqlQuery requete = base_.executer(QStringLiteral("SELECT DISTINCT IdContact, Identifiant FROM Reservation "
                                                              "WHERE IdContact > -1 ORDER BY Identifiant"));
            while (requete.next())
                liens.emplace_back(requete.value(0), requete.value(1));
        }
        Transaction transaction(base_);
        const int nombre = static_cast<int>(liens.size());
        for (int i = 0; i < nombre; ++i) {
            avancer(i, nombre);
            const auto& [idContact, idReservation] = liens[i];
            // Any contact already holding the identifier is the reservation's: a second
            // record with the same identifier would make the link ambiguous.
            if (base_.valeur(QStringLiteral("SELECT COUNT(*) FROM Contact WHERE Identifiant = ?"), {idContact})
                    .toInt() > 0)
                continue;
            base_.executer(QStringLiteral("INSERT INTO Contact (Identifiant, TypeContact, Nom) VALUES (?, 2, ?)"),
                           {idContact, u"Reserv. "_qs + idReservation.toString()});
        }
        avancer(nombre, nombre);
        transaction.valider();
    } catch (const std::exception& e) {
        signaler(u"Erreur pendant la correction des hôtes manquants"_qs, e);
    }
}

} // namespace velorin
