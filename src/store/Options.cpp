#include "store/Options.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "store/AccesDonnees.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"

#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <iterator>
#include <variant>

namespace velorin {

namespace {

using Membre = std::variant<bool Options::*, int Options::*, double Options::*, QString Options::*, QDate Options::*,
                            QTime Options::*>;

struct Colonne {
    const char* nom;
    Membre membre;
};

// Every column of the record, in table order.
const Colonne colonnesOptions[] = {
    {"OuvrirPlanning", &Options::OuvrirPlanning},
    {"ModeAffPlan", &Options::ModeAffPlan},
    {"AffRepas", &Options::AffRepas},
    {"AffCA", &Options::AffCA},
    {"ModeCalcCA", &Options::ModeCalcCA},
    {"CAAvecRes", &Options::CAAvecRes},
    {"TxOccFerme", &Options::TxOccFerme},
    {"DimCACom", &Options::DimCACom},
    {"AvecAcompte", &Options::AvecAcompte},
    {"AcompteArrhes", &Options::AcompteArrhes},
    {"ModeArrhes", &Options::ModeArrhes},
    {"PourcentAcompte", &Options::PourcentAcompte},
    {"ArrhesDefaut", &Options::ArrhesDefaut},
    {"ArrondiAcompte", &Options::ArrondiAcompte},
    {"NumFac", &Options::NumFac},
    {"FormatNumFac", &Options::FormatNumFac},
    {"EnrPDF", &Options::EnrPDF},
    {"AffPDF", &Options::AffPDF},
    {"DateBloquee", &Options::DateBloquee},
    {"BloqueFact", &Options::BloqueFact},
    {"RecMontantAuto", &Options::RecMontantAuto},
    {"RecRempLib", &Options::RecRempLib},
    {"RecRempNat", &Options::RecRempNat},
    {"ModeReserv", &Options::ModeReserv},
    {"HeureArr", &Options::HeureArr},
    {"HeureDep", &Options::HeureDep},
    {"LangueDef", &Options::LangueDef},
    {"MilieuSej", &Options::MilieuSej},
    {"PrixTaxeSej", &Options::PrixTaxeSej},
    {"Taux1", &Options::Taux1},
    {"Taux2", &Options::Taux2},
    {"AvertirVista", &Options::AvertirVista},
};

// Older data may hold an empty text where a value is missing.
bool estVide(const QVariant& valeur)
{
    return valeur.isNull() || (valeur.typeId() == QMetaType::QString && valeur.toString().trimmed().isEmpty());
}

bool versBooleen(const QVariant& valeur)
{
    const QString texte = valeur.toString().trimmed().toLower();
    if (texte == QLatin1String("true") || texte == QLatin1String("vrai")) return true;
    if (texte == QLatin1String("false") || texte == QLatin1String("faux")) return false;
    return valeur.toInt() != 0;
}

QDate versDate(const QVariant& valeur)
{
    const QDate date = QDate::fromString(valeur.toString().trimmed().left(10), Qt::ISODate);
    return date.isValid() ? date : QDate();
}

QTime versHeure(const QVariant& valeur)
{
    const QString texte = valeur.toString().trimmed();
    for (const QString& format : {QStringLiteral("hh:mm:ss"), QStringLiteral("hh:mm"), QStringLiteral("h:mm")}) {
        const QTime heure = QTime::fromString(texte, format);
        if (heure.isValid()) return heure;
    }
    return QTime();
}

QVariant stocker(const Options& options, const Membre& membre)
{
    return std::visit(
        [&](auto pointeur) -> QVariant {
            const auto& valeur = options.*pointeur;
            using T = std::decay_t<decltype(valeur)>;
            if constexpr (std::is_same_v<T, bool>)
                return valeur ? 1 : 0;
            else if constexpr (std::is_same_v<T, QDate>)
                return valeur.isValid() ? QVariant(valeur.toString(Qt::ISODate)) : QVariant();
            else if constexpr (std::is_same_v<T, QTime>)
                return valeur.isValid() ? QVariant(valeur.toString(QStringLiteral("hh:mm:ss"))) : QVariant();
            else
                return QVariant(valeur);
        },
        membre);
}

void charger(Options& options, const Membre& membre, const QVariant& valeur)
{
    if (estVide(valeur)) return; // the member keeps its empty reading
    std::visit(
        [&](auto pointeur) {
            auto& cible = options.*pointeur;
            using T = std::decay_t<decltype(cible)>;
            if constexpr (std::is_same_v<T, bool>)
                cible = versBooleen(valeur);
            else if constexpr (std::is_same_v<T, int>)
                cible = valeur.toInt();
            else if constexpr (std::is_same_v<T, double>)
                cible = valeur.toDouble();
            else if constexpr (std::is_same_v<T, QString>)
                cible = valeur.toString();
            else if constexpr (std::is_same_v<T, QDate>)
                cible = versDate(valeur);
            else
                cible = versHeure(valeur);
        },
        membre);
}

// Value of a column of the first record; null when the column is missing.
QVariant champ(const QSqlRecord& enregistrement, const QString& colonne)
{
    const int index = enregistrement.indexOf(colonne);
    return index < 0 ? QVariant() : enregistrement.value(index);
}

} // namespace

Options Options::nouvelEnregistrement()
{
    Options options;
    options.AvecAcompte = true;
    options.AcompteArrhes = true;
    options.PourcentAcompte = 0;
    options.ArrondiAcompte = 0;
    return options;
}

QStringList Options::colonnes()
{
    QStringList noms;
    for (const Colonne& colonne : colonnesOptions)
        noms.append(QString::fromLatin1(colonne.nom));
    return noms;
}

GestionOptions::GestionOptions(DMCommun& commun)
    : commun_(commun)
{
}

namespace {

// The first record with its rowid, which addresses it in updates (the table has no key).
struct PremierEnregistrement {
    bool trouve = false;
    qint64 rowid = 0;
    QSqlRecord valeurs;
};

PremierEnregistrement premier(BaseDonnees& base)
{
    PremierEnregistrement resultat;
    if (!base.tableExiste(GestionOptions::table())) return resultat;
    QSqlQuery requete =
        base.executer(QStringLiteral("SELECT rowid AS rowid_options, * FROM options ORDER BY rowid LIMIT 1"));
    if (requete.next()) {
        resultat.trouve = true;
        resultat.rowid = requete.value(0).toLongLong();
        resultat.valeurs = requete.record();
    }
    return resultat;
}

void insererNouvel(BaseDonnees& base)
{
    const Options nouvel = Options::nouvelEnregistrement();
    base.executer(
        QStringLiteral("INSERT INTO options (AvecAcompte, AcompteArrhes, PourcentAcompte, ArrondiAcompte) "
                       "VALUES (?, ?, ?, ?)"),
        {nouvel.AvecAcompte ? 1 : 0, nouvel.AcompteArrhes ? 1 : 0, nouvel.PourcentAcompte, nouvel.ArrondiAcompte});
}

} // namespace

void GestionOptions::ChargerOptions()
{
    try {
        const PremierEnregistrement enregistrement = premier(commun_.base());
        if (!enregistrement.trouve) {
            memoire_ = OptionsMemoire();
            return;
        }
        Options lues;
        const auto lire = [&](const char* nom, auto membre) {
            charger(lues, membre, champ(enregistrement.valeurs, QString::fromLatin1(nom)));
            return lues.*membre;
        };
        const int modeArrhes = lire("ModeArrhes", &Options::ModeArrhes);
        // Any other deposit mode keeps the previous setting.
        if (modeArrhes == 0 || modeArrhes == 1) memoire_.montantFixeParDefaut = modeArrhes == 1;
        memoire_.AffRepas = lire("AffRepas", &Options::AffRepas);
        memoire_.AffCA = lire("AffCA", &Options::AffCA);
        memoire_.ModeCalcCA = lire("ModeCalcCA", &Options::ModeCalcCA);
        memoire_.CAAvecRes = lire("CAAvecRes", &Options::CAAvecRes);
        memoire_.RecRempLib = lire("RecRempLib", &Options::RecRempLib);
        memoire_.RecRempNat = lire("RecRempNat", &Options::RecRempNat);
        memoire_.RecMontantAuto = lire("RecMontantAuto", &Options::RecMontantAuto);
        memoire_.ModeReserv = lire("ModeReserv", &Options::ModeReserv);
        memoire_.TxOccFerme = lire("TxOccFerme", &Options::TxOccFerme);
        memoire_.HeureArr = lire("HeureArr", &Options::HeureArr);
        memoire_.HeureDep = lire("HeureDep", &Options::HeureDep);
        memoire_.LangueDef = lire("LangueDef", &Options::LangueDef);
        memoire_.DimCACom = lire("DimCACom", &Options::DimCACom);
        memoire_.MilieuSej = lire("MilieuSej", &Options::MilieuSej);
        memoire_.PrixTaxeSej = lire("PrixTaxeSej", &Options::PrixTaxeSej);
        memoire_.Taux1 = lire("Taux1", &Options::Taux1);
        memoire_.Taux2 = lire("Taux2", &Options::Taux2);
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(u"Erreur lors de la recherche des options installées : "_qs +
                                            texteErreur(e));
    }
}

Options GestionOptions::lire()
{
    return operationSignalee(commun_.services().dialogues, u"Erreur lors de la lecture des options"_qs, Options(), [&] {
        Options options;
        const PremierEnregistrement enregistrement = premier(commun_.base());
        if (!enregistrement.trouve) return options;
        for (const Colonne& colonne : colonnesOptions)
            charger(options, colonne.membre, champ(enregistrement.valeurs, QString::fromLatin1(colonne.nom)));
        return options;
    });
}

bool GestionOptions::existe()
{
    return operationSignalee(commun_.services().dialogues, u"Erreur lors de la lecture des options"_qs, false,
                             [&] { return premier(commun_.base()).trouve; });
}

Options GestionOptions::creerSiAbsent()
{
    const bool cree =
        operationSignalee(commun_.services().dialogues, u"Erreur lors de la création des options"_qs, false, [&] {
            BaseDonnees& base = commun_.base();
            Transaction transaction(base);
            if (!premier(base).trouve) insererNouvel(base);
            transaction.valider();
            return true;
        });
    return cree ? lire() : Options();
}

bool GestionOptions::enregistrer(const Options& options)
{
    return operationSignalee(
        commun_.services().dialogues, u"Erreur lors de l'enregistrement des options"_qs, false, [&] {
            BaseDonnees& base = commun_.base();
            Transaction transaction(base);
            const PremierEnregistrement enregistrement = premier(base);
            QStringList noms;
            QVariantList valeurs;
            for (const Colonne& colonne : colonnesOptions) {
                noms.append(QString::fromLatin1(colonne.nom));
                valeurs.append(stocker(options, colonne.membre));
            }
            if (enregistrement.trouve) {
                QStringList affectations;
                for (const QString& nom : noms)
                    affectations.append(nom + QStringLiteral(" = ?"));
                valeurs.append(enregistrement.rowid);
                base.executer(QStringLiteral("UPDATE options SET %1 WHERE rowid = ?")
                                  .arg(affectations.join(QStringLiteral(", "))),
                              valeurs);
            } else {
                const QStringList marques(noms.size(), QStringLiteral("?"));
                base.executer(QStringLiteral("INSERT INTO options (%1) VALUES (%2)")
                                  .arg(noms.join(QStringLiteral(", ")), marques.join(QStringLiteral(", "))),
                              valeurs);
            }
            transaction.valider();
            return true;
        });
}

bool GestionOptions::enregistrer(const Options& options, const QStringList& colonnes)
{
    return operationSignalee(
        commun_.services().dialogues, u"Erreur lors de l'enregistrement des options"_qs, false, [&] {
            QStringList affectations;
            QVariantList valeurs;
            for (const QString& nom : colonnes) {
                const auto colonne = std::find_if(std::begin(colonnesOptions), std::end(colonnesOptions),
                                                  [&nom](const Colonne& c) {
                                                      return nom.compare(QLatin1String(c.nom), Qt::CaseInsensitive) == 0;
                                                  });
                if (colonne == std::end(colonnesOptions)) throw Erreur(u"Option inconnue : "_qs + nom);
                affectations.append(QString::fromLatin1(colonne->nom) + QStringLiteral(" = ?"));
                valeurs.append(stocker(options, colonne->membre));
            }
            BaseDonnees& base = commun_.base();
            Transaction transaction(base);
            if (!premier(base).trouve) insererNouvel(base);
            if (!affectations.isEmpty()) {
                valeurs.append(premier(base).rowid);
                base.executer(QStringLiteral("UPDATE options SET %1 WHERE rowid = ?")
                                  .arg(affectations.join(QStringLiteral(", "))),
                              valeurs);
            }
            transaction.valider();
            return true;
        });
}

bool GestionOptions::ecrireOption(const QString& colonne, const QVariant& valeur)
{
    return operationSignalee(
        commun_.services().dialogues, u"Erreur lors de l'enregistrement de l'option "_qs + colonne, false, [&] {
            BaseDonnees& base = commun_.base();
            Transaction transaction(base);
            if (!premier(base).trouve) insererNouvel(base);
            const PremierEnregistrement enregistrement = premier(base);
            base.executer(QStringLiteral("UPDATE options SET %1 = ? WHERE rowid = ?").arg(identifiantSql(colonne)),
                          {valeur, enregistrement.rowid});
            transaction.valider();
            return true;
        });
}

QVariant GestionOptions::lireAvecDefaut(const QString& colonne, const QVariant& defaut)
{
    return operationSignalee(
        commun_.services().dialogues, u"Erreur lors de la lecture de l'option "_qs + colonne, defaut, [&] {
            BaseDonnees& base = commun_.base();
            Transaction transaction(base);
            const PremierEnregistrement enregistrement = premier(base);
            // No record: the options screen creates it; until then the default is read.
            if (!enregistrement.trouve) return defaut;
            const QVariant valeur = champ(enregistrement.valeurs, colonne);
            if (!estVide(valeur)) return valeur;
            base.executer(QStringLiteral("UPDATE options SET %1 = ? WHERE rowid = ?").arg(identifiantSql(colonne)),
                          {defaut, enregistrement.rowid});
            transaction.valider();
            return defaut;
        });
}

bool GestionOptions::LireOuvrirPlanning()
{
    return versBooleen(lireAvecDefaut(QStringLiteral("OuvrirPlanning"), 0));
}

int GestionOptions::LireModeAffPlan()
{
    return lireAvecDefaut(QStringLiteral("ModeAffPlan"), 0).toInt();
}

bool GestionOptions::LireAvertirVista()
{
    return versBooleen(lireAvecDefaut(QStringLiteral("AvertirVista"), 1));
}

} // namespace velorin
