#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

namespace velorin {

class DMCommun;

// The options record of the guest house: one member per column of the table options.
// An empty column reads as false, 0 or empty text, except NumFac (1), AvertirVista (true).
struct Options {
    bool OuvrirPlanning = false;
    int ModeAffPlan = 0; // 0 the day before today, 1 the first day of the month
    bool AffRepas = false;
    bool AffCA = false;
    int ModeCalcCA = 0; // 0 by last night, 1 by first night, 2 receipts
    bool CAAvecRes = false;
    bool TxOccFerme = false;
    bool DimCACom = false;
    bool AvecAcompte = false;
    bool AcompteArrhes = false; // true: "Un acompte", false: "Des arrhes"
    int ModeArrhes = 0;         // 0 percentage, 1 fixed default amount
    double PourcentAcompte = 0;
    double ArrhesDefaut = 0;
    int ArrondiAcompte = 0; // 0 none, 1 euro below, 2 euro above
    int NumFac = 1;         // next invoice number
    QString FormatNumFac;
    bool EnrPDF = false;
    bool AffPDF = false;
    QDate DateBloquee; // null for none
    bool BloqueFact = false;
    bool RecMontantAuto = false;
    int RecRempLib = 0; // 0 empty, 1 name, 2 stay dates
    int RecRempNat = 0;
    int ModeReserv = 0; // 2 option, 3 booked
    QTime HeureArr;
    QTime HeureDep;
    QString LangueDef;
    int MilieuSej = 0;
    double PrixTaxeSej = 0;
    double Taux1 = 0;
    double Taux2 = 0;
    bool AvertirVista = true;

    bool operator==(const Options&) const = default;

    // What a newly appended record holds.
    static Options nouvelEnregistrement();
    // Column names in table order.
    static QStringList colonnes();
};

// The copy of some options kept in memory for the screens and operations that read them
// often; it changes only through ChargerOptions.
struct OptionsMemoire {
    bool montantFixeParDefaut = false; // ModeArrhes 1
    bool AffRepas = false;
    bool AffCA = false;
    int ModeCalcCA = 0;
    bool CAAvecRes = false;
    int RecRempLib = 0;
    int RecRempNat = 0;
    bool RecMontantAuto = false;
    int ModeReserv = 0;
    bool TxOccFerme = false;
    QTime HeureArr;
    QTime HeureDep;
    QString LangueDef;
    bool DimCACom = false;
    int MilieuSej = 0;
    double PrixTaxeSej = 0;
    double Taux1 = 0;
    double Taux2 = 0;
};

// The options table: its first record, the in-memory copy, and the getters that store a
// default into an empty column. Failures are shown and give the neutral value.
class GestionOptions {
public:
    explicit GestionOptions(DMCommun& commun);

    static QString table() { return QStringLiteral("options"); }

    // Refreshes the in-memory copy from the first record; a missing table or record reads as
    // empty columns. On an error the values already read are kept.
    void ChargerOptions();
    const OptionsMemoire& memoire() const { return memoire_; }
    // Changes one in-memory value without a reload (the register printout's tourist tax).
    void setPrixTaxeSejMemoire(double prix) { memoire_.PrixTaxeSej = prix; }

    // The first record, or an empty one when the table holds none.
    Options lire();
    // True when the table holds a record.
    bool existe();
    // Appends the new-record defaults when the table is empty; returns the first record.
    Options creerSiAbsent();
    // Writes every column into the first record (appending it when there is none), in one
    // transaction; false after a failure (shown).
    bool enregistrer(const Options& options);
    // Writes only the columns named (those a screen edits), so that values another
    // workstation changed meanwhile in the other columns stay; one transaction, the record
    // appended when there is none. False after a failure (shown) or for an unknown column.
    bool enregistrer(const Options& options, const QStringList& colonnes);

    // Getters that store their default into an empty column of the first record.
    bool LireOuvrirPlanning();
    int LireModeAffPlan();
    bool LireAvertirVista();
    // Stores one column of the first record.
    bool ecrireOption(const QString& colonne, const QVariant& valeur);

private:
    QVariant lireAvecDefaut(const QString& colonne, const QVariant& defaut);

    DMCommun& commun_;
    OptionsMemoire memoire_;
};

} // namespace velorin
