#include "maintenance/DonneesDemo.h"

#include "app/Erreur.h"
#include "app/Progression.h"
#include "catalogue/MontantsTVA.h"
#include "maintenance/AnnuaireDemo.h"
#include "planning/TypesPlanning.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/Dialecte.h"
#include "store/Options.h"
#include "store/RequetePreparee.h"
#include "store/VerificationTables.h"

#include <QHash>
#include <QRandomGenerator>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

namespace velorin {

using dialecte::valeurBooleen;
using dialecte::valeurDate;

namespace {

// The rates of the demonstration: accommodation and meals at 10 %, the rest at 20 %.
constexpr double taux1 = 10;
constexpr double taux2 = 20;
constexpr double pourcentAcompte = 30;
constexpr double remiseFidelite = 10;

class Alea {
public:
    explicit Alea(quint32 graine)
        : generateur_(graine)
    {
    }
    // An integer of [min, max].
    int entre(int min, int max)
    {
        return min + static_cast<int>(generateur_.bounded(static_cast<quint32>(max - min + 1)));
    }
    double reel() { return generateur_.generateDouble(); }
    bool chance(double probabilite) { return reel() < probabilite; }
    template <typename T>
    const T& parmi(const QList<T>& liste)
    {
        return liste.at(entre(0, static_cast<int>(liste.size()) - 1));
    }

private:
    QRandomGenerator generateur_;
};

// The six parts of an amount.
struct Parts {
    double HT1 = 0, HT2 = 0, TVA1 = 0, TVA2 = 0, TTC1 = 0, TTC2 = 0;

    double ttc() const { return TTC1 + TTC2; }
    Parts& operator+=(const Parts& p)
    {
        HT1 += p.HT1, HT2 += p.HT2, TVA1 += p.TVA1, TVA2 += p.TVA2, TTC1 += p.TTC1, TTC2 += p.TTC2;
        return *this;
    }
    Parts fois(double facteur) const
    {
        return {HT1 * facteur, HT2 * facteur, TVA1 * facteur, TVA2 * facteur, TTC1 * facteur, TTC2 * facteur};
    }
};

// A gross price typed in two parts (the gross-side entry rule).
Parts depuisTTC(double ttc1, double ttc2, double t1 = taux1, double t2 = taux2)
{
    Parts p;
    p.TTC1 = ttc1;
    p.HT1 = montantHT(ttc1, t1);
    p.TVA1 = round2(ttc1 - p.HT1);
    p.TTC2 = ttc2;
    p.HT2 = montantHT(ttc2, t2);
    p.TVA2 = round2(ttc2 - p.HT2);
    return p;
}

QVariantList valeursParts(const Parts& p, double t1, double t2)
{
    return {p.HT1, p.HT2, t1, t2, p.TVA1, p.TVA2, p.TTC1, p.TTC2};
}

struct Article {
    int id = 0;
    QString nom;
    Parts parts;
    bool sansTVA = false;
    bool offert = false;
};

struct Hebergement {
    int id = 0;
    demo::HebergementDemo modele;
    double prix = 0; // one night, before the season
};

struct TypeTarifDemo {
    int id = 0;
    QString nom;
    QDate debut;
    QDate fin;
    int nbJours = 1;
    double facteur = 1; // of the base price of a night
    bool semaine = false;
};

struct Hote {
    int id = 0;
    QString nom;
    QString prenom;
};

struct LigneService {
    const Article* article = nullptr;
    int quantite = 0;
};

struct LigneRepas {
    const Article* article = nullptr;
    QDate jour;
    int nombre = 0;
};

struct Sejour {
    int id = 0;
    QDate debut;
    QDate fin; // last night
    std::vector<int> chambres; // indexes of the accommodations
    int etat = 3;
    int hote = -1; // index of the guest, -1 for a closure
    int nbPers = 0;
    QDate saisie;
    QString remarque;
};

// Easter Sunday (Gregorian computus).
QDate paques(int annee)
{
    const int a = annee % 19, b = annee / 100, c = annee % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int mois = (h + l - 7 * m + 114) / 31;
    const int jour = (h + l - 7 * m + 114) % 31 + 1;
    return {annee, mois, jour};
}

// How full the house is on a day of the past, before the fading of the future.
double occupationSaison(const QDate& jour)
{
    double taux = 0.25;
    switch (jour.month()) {
    case 7:
    case 8: taux = 0.85; break;
    case 6:
    case 9: taux = 0.6; break;
    case 4:
    case 5:
    case 10: taux = 0.45; break;
    default: break;
    }
    if (jour.dayOfWeek() >= Qt::Friday) taux += 0.1;
    return std::min(taux, 0.95);
}

class Generation {
public:
    Generation(DMVelorin& velorin, const ParametresDemo& parametres, Progression* progression)
        : velorin_(velorin)
        , base_(velorin.commun().base())
        , p_(parametres)
        , alea_(parametres.graine)
        , progression_(progression)
    {
    }

    BilanDemo executer()
    {
        etape(u"Catalogue et tarifs"_qs);
        Transaction transaction(base_);
        ecrireOptions();
        ecrireHote();
        ecrireCatalogue();
        ecrireTarifs();
        ecrireJoursFeries();
        etape(u"Réservations"_qs);
        fermetures();
        sejours();
        numeroter();
        etape(u"Écriture des réservations"_qs);
        ecrireSejours();
        etape(u"Dépenses et remarques"_qs);
        ecrireDepenses();
        ecrireRemarques();
        transaction.valider();
        etape(u"Les données de démonstration sont prêtes."_qs);
        return bilan_;
    }

private:
    void etape(const QString& libelle)
    {
        if (!progression_) return;
        progression_->setLibelle(libelle);
        progression_->setPosition(progression_->position() + 1);
        progression_->traiterEvenements();
    }

    // ------------------------------------------------------------ reference data

    void ecrireOptions()
    {
        GestionOptions& gestion = velorin_.options();
        Options o = gestion.creerSiAbsent();
        o.OuvrirPlanning = true;
        o.AffRepas = true;
        o.AffCA = true;
        o.ModeCalcCA = 0;
        o.MilieuSej = 5;
        o.AvecAcompte = true;
        o.PourcentAcompte = pourcentAcompte;
        o.ArrondiAcompte = 0;
        o.ModeReserv = etats::Option;
        o.HeureArr = QTime(17, 0);
        o.HeureDep = QTime(11, 0);
        o.LangueDef = u"FR"_qs;
        o.PrixTaxeSej = 0.88;
        o.Taux1 = taux1;
        o.Taux2 = taux2;
        o.FormatNumFac = u"FA-[AAAA]-[N5]"_qs;
        if (!gestion.enregistrer(o)) throw Erreur(u"Les options n'ont pas pu être enregistrées."_qs);
        gestion.ChargerOptions();
    }

    void ecrireHote()
    {
        RequetePreparee contact(base_, u"INSERT INTO Contact (Identifiant, TypeContact, Civilite, Nom, Prenom, Societe, "
                                       "Adr1, CodPost, Ville, Pays, Tel, Mail, Site, Langue, Siret, APE, RCS, NumTVA) "
                                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_qs);
        contact.executer({++dernierContact_, 0, u"Mme"_qs, u"Arnaud"_qs, u"Claire"_qs, u"Le Mas des Glycines"_qs,
                          u"Chemin des Glycines"_qs, u"26110"_qs, u"Nyons"_qs, u"France"_qs, u"01 99 00 12 34"_qs,
                          u"contact@example.org"_qs, u"www.example.org"_qs, u"FR"_qs, u"123 456 789 00012"_qs,
                          u"5520Z"_qs, u"RCS Romans 123 456 789"_qs, u"FR00123456789"_qs});
        // An organisation that sends guests and two suppliers of the ledger.
        contact.executer({++dernierContact_, 3, QVariant(), QVariant(), QVariant(), u"Office de tourisme des Baronnies"_qs,
                          u"Place de la Libération"_qs, u"26110"_qs, u"Nyons"_qs, u"France"_qs, u"01 99 00 26 10"_qs,
                          u"info@example.net"_qs, QVariant(), u"FR"_qs, QVariant(), QVariant(), QVariant(), QVariant()});
        fournisseurs_.append(++dernierContact_);
        contact.executer({fournisseurs_.last(), 4, QVariant(), QVariant(), QVariant(),
                          u"Blanchisserie des Baronnies"_qs, u"Zone artisanale"_qs, u"26110"_qs, u"Nyons"_qs,
                          u"France"_qs, u"01 99 00 26 20"_qs, u"linge@example.net"_qs, QVariant(), u"FR"_qs, QVariant(),
                          QVariant(), QVariant(), QVariant()});
        fournisseurs_.append(++dernierContact_);
        contact.executer({fournisseurs_.last(), 4, QVariant(), QVariant(), QVariant(), u"Épicerie du village"_qs,
                          u"Grande rue"_qs, u"26110"_qs, u"Nyons"_qs, u"France"_qs, u"01 99 00 26 30"_qs,
                          u"epicerie@example.net"_qs, QVariant(), u"FR"_qs, QVariant(), QVariant(), QVariant(),
                          QVariant()});
        bilan_.contacts += 4;
    }

    void ecrireCatalogue()
    {
        RequetePreparee prestation(
            base_, u"INSERT INTO prestation (TypePrest, Identifiant, Nom, Description, TarifSimple, Prix, Capacite, "
                   "PropNuits, PropPers, Offert, Couleur, AffCouleur, NumOrdre, HT1, HT2, Taux1, Taux2, TVA1, TVA2, "
                   "TTC1, TTC2, SansTVA, DansPourcent, AjoutAuto) "
                   "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_qs);
        const QList<int> couleursSuites{0x9B59B6, 0x2E86C1, 0x16A085, 0xD35400};
        int id = 0;
        const QList<demo::HebergementDemo> modeles = demo::hebergements(p_.nbHebergements);
        for (int i = 0; i < modeles.size(); ++i) {
            Hebergement h;
            h.id = ++id;
            h.modele = modeles.at(i);
            h.prix = h.modele.genre.prix + alea_.entre(-4, 6);
            const bool enCouleur = h.modele.genre.prefixe == u"Suite"_qs || h.modele.genre.prefixe == u"Gîte"_qs;
            const Parts parts = h.modele.tarifUnique ? depuisTTC(h.prix, 0) : Parts();
            QVariantList valeurs{0,
                                 h.id,
                                 h.modele.nom,
                                 u"%1 pour %2 personnes."_qs.arg(h.modele.nom).arg(h.modele.genre.capacite),
                                 valeurBooleen(h.modele.tarifUnique),
                                 h.modele.tarifUnique ? QVariant(h.prix) : QVariant(0.0),
                                 h.modele.genre.capacite,
                                 valeurBooleen(false),
                                 valeurBooleen(false),
                                 valeurBooleen(false),
                                 enCouleur ? QVariant(couleursSuites.at(i % couleursSuites.size())) : QVariant(),
                                 valeurBooleen(enCouleur),
                                 i + 1};
            valeurs << valeursParts(parts, taux1, taux2);
            valeurs << valeurBooleen(false) << valeurBooleen(!h.modele.roulotte) << valeurBooleen(false);
            prestation.executer(valeurs);
            hebergements_.push_back(h);
        }
        bilan_.hebergements = static_cast<int>(hebergements_.size());

        struct Modele {
            int type;
            const char16_t* nom;
            double ttc1;
            double ttc2;
            bool propNuits;
            bool propPers;
            bool offert;
            bool sansTVA;
            int couleur; // -1: not shown in colour
        };
        const Modele modelesArticles[] = {
            {1, u"Petit déjeuner", 9.5, 0, true, true, false, false, -1},
            {1, u"Panier pique-nique", 14, 0, false, true, false, false, -1},
            {1, u"Location de vélo", 0, 15, true, false, false, false, 0x27AE60},
            {1, u"Animal de compagnie", 0, 7, true, false, false, false, 0xE67E22},
            {1, u"Lit bébé", 0, 10, false, false, true, false, 0xEC7FA9},
            {1, u"Ménage de fin de séjour", 0, 45, false, false, false, false, -1},
            {1, u"Taxe de séjour", 0.88, 0, true, true, false, true, -1},
            {2, u"Table d'hôtes", 24, 5, false, false, false, false, -1},
            {2, u"Repas enfant", 14, 0, false, false, false, false, -1},
            {2, u"Dîner gastronomique", 38, 10, false, false, false, false, -1},
        };
        int ordre[3] = {0, 0, 0};
        for (const Modele& m : modelesArticles) {
            Article a;
            a.id = ++id;
            a.nom = QString::fromUtf16(m.nom);
            a.sansTVA = m.sansTVA;
            a.offert = m.offert;
            a.parts = m.sansTVA ? Parts{m.ttc1, 0, 0, 0, m.ttc1, 0} : depuisTTC(m.ttc1, m.ttc2);
            const double t1 = m.sansTVA ? 0 : taux1;
            const double t2 = m.sansTVA ? 0 : taux2;
            QVariantList valeurs{m.type,
                                 a.id,
                                 a.nom,
                                 QVariant(),
                                 valeurBooleen(true),
                                 a.parts.ttc(),
                                 QVariant(),
                                 valeurBooleen(m.propNuits),
                                 valeurBooleen(m.propPers),
                                 valeurBooleen(m.offert),
                                 m.couleur >= 0 ? QVariant(m.couleur) : QVariant(),
                                 valeurBooleen(m.couleur >= 0),
                                 ++ordre[m.type]};
            valeurs << valeursParts(a.parts, t1, t2);
            valeurs << valeurBooleen(m.sansTVA) << valeurBooleen(false) << valeurBooleen(false);
            prestation.executer(valeurs);
            articles_.append(a);
        }
    }

    const Article& article(const QString& nom) const
    {
        for (const Article& a : articles_)
            if (a.nom == nom) return a;
        throw Erreur(u"Article de démonstration inconnu : "_qs + nom);
    }

    void ecrireTarifs()
    {
        RequetePreparee type(base_, u"INSERT INTO TypeTarif (Identifiant, Nom, NbJours, Per_Deb, Per_Fin, AvecRepas, "
                                    "Lu, Ma, Me, Je, Ve, Sa, Di) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_qs);
        RequetePreparee tarif(base_, u"INSERT INTO Tarifs (Identifiant, IdPrest, IdTarif, Prix, Applicable, HT1, HT2, "
                                     "Taux1, Taux2, TVA1, TVA2, TTC1, TTC2) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_qs);
        int idTarif = 0;
        for (int annee = p_.debut().year(); annee <= p_.fin().year(); ++annee) {
            struct Saison {
                const char16_t* nom;
                int moisDebut, jourDebut, moisFin, jourFin;
                int nbJours;
                double facteur;
            };
            const Saison saisons[] = {
                {u"Hiver", 1, 1, 3, 31, 1, 0.85},     {u"Printemps", 4, 1, 6, 30, 1, 1.0},
                {u"Été", 7, 1, 8, 31, 1, 1.25},       {u"Automne", 9, 1, 12, 31, 1, 0.95},
                {u"Semaine d'été", 7, 1, 8, 31, 7, 1.25 * 7 * 0.9},
            };
            // Prices follow the years.
            const double inflation = std::pow(1.02, annee - p_.reference.year());
            for (const Saison& s : saisons) {
                TypeTarifDemo t;
                t.id = ++idTypeTarif_;
                t.nom = QString::fromUtf16(s.nom) + u" "_qs + QString::number(annee);
                t.debut = QDate(annee, s.moisDebut, s.jourDebut);
                t.fin = QDate(annee, s.moisFin, s.jourFin);
                t.nbJours = s.nbJours;
                t.facteur = s.facteur * inflation;
                t.semaine = s.nbJours == 7;
                const bool tous = !t.semaine;
                type.executer({t.id, t.nom, t.nbJours, valeurDate(t.debut), valeurDate(t.fin), valeurBooleen(false),
                               valeurBooleen(tous), valeurBooleen(tous), valeurBooleen(tous), valeurBooleen(tous),
                               valeurBooleen(tous), valeurBooleen(true), valeurBooleen(tous)});
                types_.push_back(t);
                for (const Hebergement& h : hebergements_) {
                    if (h.modele.tarifUnique) continue;
                    const double prix = std::round(h.prix * t.facteur);
                    const Parts parts = depuisTTC(prix, 0);
                    // The caravan is closed in winter.
                    const bool applicable = !(h.modele.roulotte && s.moisDebut == 1);
                    QVariantList valeurs{++idTarif, h.id, t.id, prix, valeurBooleen(applicable)};
                    valeurs << valeursParts(parts, taux1, taux2);
                    tarif.executer(valeurs);
                    if (applicable) tarifs_[cleTarif(h.id, t.id)] = parts;
                }
            }
        }
        bilan_.typesTarifs = idTypeTarif_;
    }

    static qint64 cleTarif(int idPrest, int idTarif) { return static_cast<qint64>(idPrest) * 1000000 + idTarif; }

    void ecrireJoursFeries()
    {
        RequetePreparee ferie(base_, u"INSERT INTO JoursFerie (Identifiant, DateDeb, DateFin, Libelle) "
                                     "VALUES (?, ?, ?, ?)"_qs);
        int id = 0;
        for (int annee = p_.debut().year(); annee <= p_.fin().year(); ++annee) {
            const QDate p = paques(annee);
            const QList<std::tuple<QDate, QDate, QString>> periodes{
                {p.addDays(1), p.addDays(1), u"Lundi de Pâques"_qs},
                {p.addDays(39), p.addDays(39), u"Ascension"_qs},
                {p.addDays(50), p.addDays(50), u"Lundi de Pentecôte"_qs},
                {QDate(annee, 2, 8), QDate(annee, 2, 23), u"Vacances d'hiver"_qs},
                {QDate(annee, 4, 12), QDate(annee, 4, 27), u"Vacances de printemps"_qs},
                {QDate(annee, 10, 19), QDate(annee, 11, 3), u"Vacances de la Toussaint"_qs},
                // Across the end of the month and of the year.
                {QDate(annee, 12, 20), QDate(annee + 1, 1, 4), u"Vacances de Noël"_qs},
            };
            for (const auto& [debut, fin, libelle] : periodes)
                ferie.executer({++id, valeurDate(debut), valeurDate(fin), libelle});
        }
    }

    // ------------------------------------------------------------ stays

    int nbJours() const { return static_cast<int>(p_.debut().daysTo(p_.fin())) + 1; }
    int indexJour(const QDate& d) const { return static_cast<int>(p_.debut().daysTo(d)); }

    bool libre(int chambre, int premier, int dernier) const
    {
        if (premier < 0 || dernier >= nbJours()) return false;
        for (int j = premier; j <= dernier; ++j)
            if (occupe_[static_cast<size_t>(chambre)][static_cast<size_t>(j)]) return false;
        return true;
    }
    void occuper(int chambre, int premier, int dernier)
    {
        for (int j = premier; j <= dernier; ++j) occupe_[static_cast<size_t>(chambre)][static_cast<size_t>(j)] = true;
    }

    void fermer(QDate debut, QDate fin, std::vector<int> chambres, const QString& motif)
    {
        debut = std::max(debut, p_.debut());
        fin = std::min(fin, p_.fin());
        if (debut > fin) return;
        std::vector<int> libres;
        for (int c : chambres)
            if (libre(c, indexJour(debut), indexJour(fin))) libres.push_back(c);
        if (libres.empty()) return;
        for (int c : libres) occuper(c, indexJour(debut), indexJour(fin));
        Sejour s;
        s.debut = debut;
        s.fin = fin;
        s.chambres = libres;
        s.etat = 0;
        s.saisie = std::min(debut.addDays(-60), p_.reference);
        s.remarque = motif;
        sejours_.push_back(s);
    }

    void fermetures()
    {
        occupe_.assign(hebergements_.size(), std::vector<bool>(static_cast<size_t>(nbJours()), false));
        std::vector<int> toutes;
        for (size_t c = 0; c < hebergements_.size(); ++c) toutes.push_back(static_cast<int>(c));
        for (int annee = p_.debut().year() - 1; annee <= p_.fin().year(); ++annee) {
            for (size_t c = 0; c < hebergements_.size(); ++c)
                if (hebergements_[c].modele.roulotte)
                    fermer(QDate(annee, 11, 1), QDate(annee + 1, 3, 31), {static_cast<int>(c)},
                           u"Fermeture hivernale"_qs);
            fermer(QDate(annee, 1, 6), QDate(annee, 1, 20), toutes, u"Fermeture annuelle"_qs);
            const int travaux = alea_.entre(0, static_cast<int>(hebergements_.size()) - 1);
            const QDate debut = alea_.chance(0.5) ? QDate(annee, 3, alea_.entre(2, 20)) : QDate(annee, 11, alea_.entre(5, 20));
            fermer(debut, debut.addDays(alea_.entre(3, 8)), {travaux}, u"Travaux"_qs);
        }
    }

    // Length of a stay arriving on that day.
    int nuitsDuSejour(const QDate& arrivee, const Hebergement& h)
    {
        const bool ete = arrivee.month() == 7 || arrivee.month() == 8;
        if (ete && alea_.chance(h.modele.genre.prefixe == u"Gîte"_qs ? 0.6 : 0.3)) return 7;
        if (arrivee.dayOfWeek() == Qt::Friday && alea_.chance(0.4)) return 2;
        static constexpr int repartition[] = {1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 5, 5, 6};
        return repartition[alea_.entre(0, 19)];
    }

    void sejours()
    {
        const int total = nbJours();
        for (int c = 0; c < static_cast<int>(hebergements_.size()); ++c) {
            const Hebergement& h = hebergements_[static_cast<size_t>(c)];
            int jour = 0;
            while (jour < total) {
                const QDate date = p_.debut().addDays(jour);
                // The further in the future, the fewer bookings are already made.
                const qint64 avance = p_.reference.daysTo(date);
                const double fondu = avance <= 0 ? 1.0 : std::max(0.0, 1.0 - static_cast<double>(avance) / 420.0);
                const double occupation = occupationSaison(date) * fondu;
                const int nuitsMoyennes = date.month() == 7 || date.month() == 8 ? 5 : 3;
                if (occupation < 0.01) {
                    jour += 30;
                    continue;
                }
                const double ecartMoyen = nuitsMoyennes * (1 - occupation) / occupation;
                const double ecart = std::floor(-ecartMoyen * std::log(1 - alea_.reel()));
                // A long quiet spell: look again further on, the season may have changed.
                if (ecart > 45) {
                    jour += 45;
                    continue;
                }
                jour += static_cast<int>(ecart);
                if (jour >= total) break;
                if (occupe_[static_cast<size_t>(c)][static_cast<size_t>(jour)]) {
                    ++jour;
                    continue;
                }
                const QDate arrivee = p_.debut().addDays(jour);
                int nuits = nuitsDuSejour(arrivee, h);
                int dernier = jour;
                while (dernier + 1 < total && dernier + 1 < jour + nuits &&
                       !occupe_[static_cast<size_t>(c)][static_cast<size_t>(dernier + 1)])
                    ++dernier;
                nuits = dernier - jour + 1;

                Sejour s;
                s.debut = arrivee;
                s.fin = arrivee.addDays(nuits - 1);
                s.chambres = {c};
                // Families and friends sometimes take the next accommodation too.
                if (c + 1 < static_cast<int>(hebergements_.size()) && alea_.chance(0.05) &&
                    !hebergements_[static_cast<size_t>(c + 1)].modele.roulotte && libre(c + 1, jour, dernier))
                    s.chambres.push_back(c + 1);
                for (int k : s.chambres) occuper(k, jour, dernier);
                completerSejour(s);
                sejours_.push_back(s);
                jour = dernier + 1;
            }
        }
    }

    void completerSejour(Sejour& s)
    {
        int capacite = 0;
        for (int c : s.chambres) capacite += hebergements_[static_cast<size_t>(c)].modele.genre.capacite;
        s.nbPers = std::min(capacite, alea_.chance(0.7) ? 2 * static_cast<int>(s.chambres.size()) : alea_.entre(1, capacite));
        const QDate ref = p_.reference;
        if (s.debut > ref) s.etat = alea_.chance(ref.daysTo(s.debut) > 60 ? 0.35 : 0.15) ? 2 : 3;
        else s.etat = 3;
        const int avance = alea_.entre(3, 150);
        s.saisie = std::min(s.debut.addDays(-avance), ref.addDays(-alea_.entre(0, 10)));
        if (s.saisie > s.debut) s.saisie = s.debut;
        if (alea_.chance(0.1)) s.remarque = alea_.parmi(demo::remarquesDeReservation());
        // Some guests come back.
        if (!hotes_.isEmpty() && alea_.chance(0.22)) s.hote = alea_.entre(0, static_cast<int>(hotes_.size()) - 1);
        else s.hote = nouvelHote();
    }

    int nouvelHote()
    {
        const QList<demo::PaysDemo>& tous = demo::pays();
        int tirage = alea_.entre(1, 100);
        const demo::PaysDemo* pays = &tous.first();
        for (const demo::PaysDemo& p : tous) {
            if (tirage <= p.poids) {
                pays = &p;
                break;
            }
            tirage -= p.poids;
        }
        const bool femme = alea_.chance(0.5);
        HoteAEcrire h;
        h.hote.id = ++dernierContact_;
        h.hote.nom = alea_.parmi(pays->noms);
        h.hote.prenom = alea_.parmi(femme ? pays->prenomsFemmes : pays->prenomsHommes);
        h.civilite = alea_.chance(0.3) ? u"M. et Mme"_qs : (femme ? u"Mme"_qs : u"M."_qs);
        const demo::Ville& ville = alea_.parmi(pays->villes);
        h.adresse = QString::number(alea_.entre(1, 120)) + u" "_qs + alea_.parmi(pays->rues);
        h.ville = ville.nom;
        h.pays = pays->nom;
        if (pays->codePostalCourt) h.codePostal = ville.codePostal;
        else h.adresse2 = ville.codePostal;
        const auto chiffres = [&](int n) {
            QString t;
            for (int i = 0; i < n; ++i) t += QString::number(alea_.entre(0, 9));
            return t;
        };
        if (pays->indicatif.isEmpty())
            h.tel = (alea_.chance(0.5) ? u"06 39 98 "_qs : u"01 99 00 "_qs) + chiffres(2) + u" "_qs + chiffres(2);
        else h.tel = pays->indicatif + u" "_qs + chiffres(3) + u" "_qs + chiffres(3) + u" "_qs + chiffres(3);
        static const QStringList domaines{u"example.com"_qs, u"example.org"_qs, u"example.net"_qs};
        h.mail = demo::pourAdresse(h.hote.prenom) + u"."_qs + demo::pourAdresse(h.hote.nom) + u"@"_qs +
                 alea_.parmi(domaines);
        h.origine = alea_.parmi(demo::origines());
        hotes_.append(h);
        return static_cast<int>(hotes_.size()) - 1;
    }

    // Identifiers in the order the reservations were entered.
    void numeroter()
    {
        std::stable_sort(sejours_.begin(), sejours_.end(), [](const Sejour& a, const Sejour& b) {
            return a.saisie != b.saisie ? a.saisie < b.saisie : a.debut < b.debut;
        });
        int id = 0;
        for (Sejour& s : sejours_) s.id = ++id;
    }

    // ------------------------------------------------------------ writing the stays

    // The price of a stay of one accommodation, as the stay pricing computes it, and the
    // tariff type used: the season of the arrival, or the summer week for 7 nights and more.
    std::pair<int, Parts> prixSejour(const Hebergement& h, const QDate& debut, int nuits) const
    {
        if (h.modele.tarifUnique) return {-1, arrondiSejour(depuisTTC(h.prix, 0), 1, nuits)};
        const TypeTarifDemo* choisi = nullptr;
        for (const TypeTarifDemo& t : types_) {
            if (t.debut > debut || t.fin < debut || t.nbJours > nuits) continue;
            if (!tarifs_.contains(cleTarif(h.id, t.id))) continue;
            if (!choisi || t.semaine) choisi = &t;
        }
        if (!choisi) throw Erreur(u"Aucun type de tarif pour le séjour du "_qs + debut.toString(Qt::ISODate));
        return {choisi->id, arrondiSejour(tarifs_.value(cleTarif(h.id, choisi->id)), choisi->nbJours, nuits)};
    }

    static Parts arrondiSejour(const Parts& tarif, int nbJours, int nuits)
    {
        Parts r;
        r.HT1 = round2(nuits * (tarif.HT1 / nbJours));
        r.HT2 = round2(nuits * (tarif.HT2 / nbJours));
        r.TVA1 = round2(nuits * (tarif.TVA1 / nbJours));
        r.TVA2 = round2(nuits * (tarif.TVA2 / nbJours));
        r.TTC1 = r.HT1 + r.TVA1;
        r.TTC2 = r.HT2 + r.TVA2;
        return r;
    }

    void ecrireSejours()
    {
        RequetePreparee contact(base_, u"INSERT INTO Contact (Identifiant, TypeContact, Civilite, Nom, Prenom, Adr1, "
                                       "Adr2, CodPost, Ville, Pays, Tel, Mail, Langue, Origine) "
                                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_qs);
        for (const HoteAEcrire& h : hotes_)
            contact.executer({h.hote.id, 2, h.civilite, h.hote.nom, h.hote.prenom, h.adresse,
                              h.adresse2.isEmpty() ? QVariant() : QVariant(h.adresse2),
                              h.codePostal.isEmpty() ? QVariant() : QVariant(h.codePostal), h.ville, h.pays, h.tel,
                              h.mail, u"FR"_qs, h.origine});
        bilan_.contacts += static_cast<int>(hotes_.size());

        RequetePreparee reservation(
            base_, u"INSERT INTO Reservation (Identifiant, IdContact, DateDeb, DateFin, PrixTotal, NbPers, Acompte, "
                   "DejaPaye, DateEnvContrat, DateRecContrat, DateSaisie, AvecAcompte, NumFac, IdBonSource, HT1, HT2, "
                   "Taux1, Taux2, TVA1, TVA2, TTC1, TTC2, TypeRemise, ValRemise, IdReg, Etat, IdFact, Remarque, "
                   "HeureArr, HeureDep, IdCom, MontantCom) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                   "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_qs);
        RequetePreparee planning(base_, u"INSERT INTO Planning (Jour, IdReservation, IdPrest, IdTarif, Etat, PrixUnit, "
                                        "HT1, HT2, Taux1, Taux2, TVA1, TVA2, TTC1, TTC2) "
                                        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_qs);
        RequetePreparee service(base_, u"INSERT INTO PrestCompl (Identifiant, IdReservation, IdPrest, Nom, TypePrest, "
                                       "PrixUnit, Qte, PrixTot, Offert, HT1, HT2, Taux1, Taux2, TVA1, TVA2, TTC1, TTC2, "
                                       "DateDeb, DateFin) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                       "?)"_qs);
        RequetePreparee repas(base_, u"INSERT INTO Repas (Identifiant, IdReservation, Jour, IdPrest, Nombre, PrixUnit, "
                                     "PrixTot, HT1, HT2, Taux1, Taux2, TVA1, TVA2, TTC1, TTC2) "
                                     "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_qs);
        ecriture_ = std::make_unique<RequetePreparee>(
            base_, u"INSERT INTO DepRec (TypeEcr, Identifiant, DateEcr, Montant, Libelle, ModePaie, IdRef, Nature, "
                   "TypePaiement) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"_qs);
        const QVariant heureArr = dialecte::valeurHeure(QTime(17, 0));
        const QVariant heureDep = dialecte::valeurHeure(QTime(11, 0));

        for (const Sejour& s : sejours_) {
            const int nuits = static_cast<int>(s.debut.daysTo(s.fin)) + 1;
            if (s.etat == 0) {
                QVariantList valeurs{s.id,      -1,
                                     valeurDate(s.debut), valeurDate(s.fin),
                                     0.0,       0,
                                     0.0,       0.0,
                                     QVariant(), QVariant(),
                                     valeurDate(s.saisie), valeurBooleen(false),
                                     QVariant(), 0};
                valeurs << valeursParts(Parts(), 0, 0);
                valeurs << 0 << 0.0 << 0 << 0 << 0 << s.remarque << heureArr << heureDep << -1 << 0.0;
                reservation.executer(valeurs);
                for (int c : s.chambres)
                    for (int n = 0; n < nuits; ++n) {
                        QVariantList nuit{valeurDate(s.debut.addDays(n)), s.id, hebergements_[static_cast<size_t>(c)].id,
                                          -1, 0, 0.0};
                        nuit << valeursParts(Parts(), taux1, taux2);
                        planning.executer(nuit);
                        ++bilan_.nuits;
                    }
                ++bilan_.reservations;
                continue;
            }

            // Accommodations: the stay's price spread evenly over its nights.
            Parts total;
            double montant = 0;
            for (int c : s.chambres) {
                const Hebergement& h = hebergements_[static_cast<size_t>(c)];
                const auto [idTarif, prix] = prixSejour(h, s.debut, nuits);
                total += prix;
                montant += prix.ttc();
                const Parts parNuit = prix.fois(1.0 / nuits);
                for (int n = 0; n < nuits; ++n) {
                    QVariantList nuit{valeurDate(s.debut.addDays(n)), s.id, h.id, idTarif, s.etat, prix.ttc() / nuits};
                    nuit << valeursParts(parNuit, taux1, taux2);
                    planning.executer(nuit);
                    ++bilan_.nuits;
                }
            }

            // Services and meals.
            QList<LigneService> services;
            const bool gite = hebergements_[static_cast<size_t>(s.chambres.front())].modele.genre.prefixe == u"Gîte"_qs;
            if (gite && alea_.chance(0.6)) services.append({&article(u"Petit déjeuner"_qs), nuits * s.nbPers});
            if (gite && alea_.chance(0.5)) services.append({&article(u"Ménage de fin de séjour"_qs), 1});
            if (alea_.chance(0.1)) services.append({&article(u"Location de vélo"_qs), nuits});
            if (alea_.chance(0.08)) services.append({&article(u"Animal de compagnie"_qs), nuits});
            if (alea_.chance(0.04)) services.append({&article(u"Lit bébé"_qs), 1});
            if (alea_.chance(0.1)) services.append({&article(u"Panier pique-nique"_qs), s.nbPers});
            Parts sommeServices;
            for (const LigneService& l : services) {
                const Article& a = *l.article;
                const double t1 = a.sansTVA ? 0 : taux1;
                const double t2 = a.sansTVA ? 0 : taux2;
                QVariantList valeurs{++dernierService_, s.id,           a.id, a.nom, 1, a.parts.ttc(), l.quantite,
                                     l.quantite * a.parts.ttc(), valeurBooleen(a.offert)};
                valeurs << valeursParts(a.parts, t1, t2) << valeurDate(s.debut) << valeurDate(s.fin);
                service.executer(valeurs);
                ++bilan_.lignesPrestations;
                if (!a.offert) sommeServices += a.parts.fois(l.quantite);
            }
            QList<LigneRepas> lignesRepas;
            if (alea_.chance(0.3)) {
                for (int n = 0; n < nuits; ++n) {
                    if (!alea_.chance(0.55)) continue;
                    const QDate jour = s.debut.addDays(n);
                    const int enfants = s.nbPers >= 3 ? alea_.entre(0, s.nbPers - 2) : 0;
                    lignesRepas.append({&article(u"Table d'hôtes"_qs), jour, s.nbPers - enfants});
                    if (enfants > 0) lignesRepas.append({&article(u"Repas enfant"_qs), jour, enfants});
                }
            }
            if (alea_.chance(0.04)) lignesRepas.append({&article(u"Dîner gastronomique"_qs), s.debut, s.nbPers});
            Parts sommeRepas;
            for (const LigneRepas& l : lignesRepas) {
                const Article& a = *l.article;
                QVariantList valeurs{++dernierRepas_, s.id, valeurDate(l.jour), a.id, l.nombre, a.parts.ttc(),
                                     l.nombre * a.parts.ttc()};
                valeurs << valeursParts(a.parts, taux1, taux2);
                repas.executer(valeurs);
                ++bilan_.lignesRepas;
                sommeRepas += a.parts.fois(l.nombre);
            }

            // The total of the stay, its discount and its VAT parts, as the editor computes them.
            total += sommeServices;
            total += sommeRepas;
            double prixTotal = round2(montant + round2(sommeServices.ttc()) + round2(sommeRepas.ttc()));
            const bool remise = alea_.chance(0.06);
            if (remise) prixTotal = round2((1 - remiseFidelite / 100) * prixTotal);
            const double brut = total.ttc();
            Parts parts;
            if (brut != 0) {
                const double f = prixTotal / brut;
                parts = {round2(total.HT1 * f), round2(total.HT2 * f), round2(total.TVA1 * f),
                         round2(total.TVA2 * f), round2(total.TTC1 * f), round2(total.TTC2 * f)};
            }
            if (remise) {
                const double f = remiseFidelite / (100 - remiseFidelite);
                const Parts d{round2(parts.HT1 * f), round2(parts.HT2 * f), round2(parts.TVA1 * f),
                              round2(parts.TVA2 * f), round2(parts.TTC1 * f), round2(parts.TTC2 * f)};
                QVariantList valeurs{++dernierService_, s.id, -1, u"Remise 10 %"_qs, 4, -d.ttc(), 1, -d.ttc(),
                                     valeurBooleen(false)};
                valeurs << valeursParts(d.fois(-1), taux1, taux2) << valeurDate(s.debut) << valeurDate(s.fin);
                service.executer(valeurs);
                ++bilan_.lignesPrestations;
            }
            const double acompte = round2(pourcentAcompte * prixTotal / 100);

            // Contract sent the day after the entry, confirmed some days later; payments: the
            // deposit on confirmation, the balance on leaving.
            const QDate ref = p_.reference;
            QDate envoye = s.saisie.addDays(1);
            if (envoye > ref || (s.etat == 2 && alea_.chance(0.5))) envoye = QDate();
            QDate recu;
            if (s.etat == 3) {
                recu = std::min(s.saisie.addDays(alea_.entre(2, 10)), s.debut);
                if (recu > ref || (s.debut > ref && alea_.chance(0.1))) recu = QDate();
            }
            const Hote& hote = hotes_.at(s.hote).hote;
            double dejaPaye = 0;
            if (recu.isValid()) dejaPaye += recette(s.id, recu, acompte, u"Acompte "_qs + hote.nom);
            if (s.fin < ref && recu.isValid() && !alea_.chance(0.03))
                dejaPaye += recette(s.id, s.fin.addDays(1), round2(prixTotal - acompte), u"Solde "_qs + hote.nom);

            QVariantList valeurs{s.id,
                                 hote.id,
                                 valeurDate(s.debut),
                                 valeurDate(s.fin),
                                 prixTotal,
                                 s.nbPers,
                                 acompte,
                                 round2(dejaPaye),
                                 valeurDate(envoye),
                                 valeurDate(recu),
                                 valeurDate(s.saisie),
                                 valeurBooleen(true),
                                 QVariant(),
                                 0};
            valeurs << valeursParts(parts, taux1, taux2);
            valeurs << (remise ? 1 : 0) << (remise ? remiseFidelite : 0.0) << 0 << s.etat << 0
                    << (s.remarque.isEmpty() ? QVariant() : QVariant(s.remarque)) << heureArr << heureDep << -1 << 0.0;
            reservation.executer(valeurs);
            ++bilan_.reservations;
        }
    }

    double recette(int idReservation, const QDate& jour, double montant, const QString& libelle)
    {
        static const QList<int> modes{1, 2, 2, 2, 3, 3, 4, 4, 6};
        static const QStringList types{u"Chèque"_qs, u"Carte bancaire"_qs, u"Virement"_qs};
        ecriture_->executer({1, ++dernierEcriture_, valeurDate(jour), montant, libelle.left(50), alea_.parmi(modes),
                             idReservation, u"Hébergement"_qs, alea_.parmi(types)});
        ++bilan_.ecritures;
        return montant;
    }

    void ecrireDepenses()
    {
        const double taille = static_cast<double>(hebergements_.size()) / 12;
        for (QDate mois(p_.debut().year(), 1, 1); mois <= p_.reference; mois = mois.addMonths(1)) {
            const QDate jour = mois.addDays(alea_.entre(0, mois.daysInMonth() - 1));
            if (jour > p_.reference) break;
            ecriture_->executer({0, ++dernierEcriture_, valeurDate(jour), round2(alea_.entre(180, 420) * taille),
                                 u"Blanchisserie"_qs, 4, fournisseurs_.at(0), u"Linge"_qs, QVariant()});
            ecriture_->executer({0, ++dernierEcriture_, valeurDate(jour.addDays(-1)),
                                 round2(alea_.entre(150, 600) * taille + alea_.entre(0, 99) / 100.0),
                                 u"Courses des petits déjeuners"_qs, 2, fournisseurs_.at(1), u"Alimentation"_qs,
                                 QVariant()});
            bilan_.ecritures += 2;
        }
    }

    void ecrireRemarques()
    {
        RequetePreparee remarque(base_, u"INSERT INTO Remarques (Jour, Remarque) VALUES (?, ?)"_qs);
        const QStringList textes = demo::remarquesDuJour();
        const QDate fin = std::min(p_.fin(), p_.reference.addDays(180));
        for (QDate jour = p_.debut(); jour <= fin; jour = jour.addDays(1)) {
            if (jour.month() == 7 && jour.day() == 14) remarque.executer({valeurDate(jour), u"Feu d'artifice à 22 h"_qs});
            else if (alea_.chance(0.1)) remarque.executer({valeurDate(jour), alea_.parmi(textes)});
            else continue;
            ++bilan_.remarques;
        }
    }

    struct HoteAEcrire {
        Hote hote;
        QString civilite;
        QString adresse;
        QString adresse2;
        QString codePostal;
        QString ville;
        QString pays;
        QString tel;
        QString mail;
        QString origine;
    };

    DMVelorin& velorin_;
    BaseDonnees& base_;
    const ParametresDemo& p_;
    Alea alea_;
    Progression* progression_;
    BilanDemo bilan_;

    std::vector<Hebergement> hebergements_;
    QList<Article> articles_;
    std::vector<TypeTarifDemo> types_;
    QHash<qint64, Parts> tarifs_;
    QList<HoteAEcrire> hotes_;
    QList<int> fournisseurs_;
    std::vector<Sejour> sejours_;
    std::vector<std::vector<bool>> occupe_;
    std::unique_ptr<RequetePreparee> ecriture_;
    int dernierContact_ = 0;
    int idTypeTarif_ = 0;
    int dernierService_ = 0;
    int dernierRepas_ = 0;
    int dernierEcriture_ = 0;
};

} // namespace

// ---------------------------------------------------------------- parameters

ParametresDemo ParametresDemo::grand(const QDate& reference)
{
    ParametresDemo p;
    p.nbHebergements = 60;
    p.nbAnnees = 20;
    p.reference = reference;
    return p;
}

QDate ParametresDemo::debut() const { return QDate(reference.year() + 2 - std::max(nbAnnees, 2), 1, 1); }

QDate ParametresDemo::fin() const { return QDate(debut().year() + std::max(nbAnnees, 2) - 1, 12, 31); }

// ---------------------------------------------------------------- generator

GenerateurDemo::GenerateurDemo(DMVelorin& velorin)
    : velorin_(velorin)
{
}

bool GenerateurDemo::donneesVides(BaseDonnees& base)
{
    for (const QString& table : {u"prestation"_qs, u"Contact"_qs, u"Reservation"_qs, u"Planning"_qs})
        if (base.tableExiste(table) && base.valeur(u"SELECT COUNT(*) FROM "_qs + table).toInt() > 0) return false;
    return true;
}

BilanDemo GenerateurDemo::generer(const ParametresDemo& parametres, Progression* progression)
{
    if (parametres.nbHebergements < 1 || parametres.nbHebergements > 100)
        throw Erreur(u"Le nombre d'hébergements doit être compris entre 1 et 100."_qs);
    if (parametres.nbAnnees < 1 || parametres.nbAnnees > 50)
        throw Erreur(u"Le nombre d'années doit être compris entre 1 et 50."_qs);
    if (!parametres.reference.isValid()) throw Erreur(u"La date de référence n'est pas valide."_qs);
    DMCommun& commun = velorin_.commun();
    if (commun.dossierDonnees().isEmpty() || !commun.base().estOuverte())
        throw Erreur(u"Aucun dossier de données n'est ouvert."_qs);

    if (progression) {
        progression->setMaximum(6);
        progression->setPosition(0);
        progression->setLibelle(u"Vérification des tables"_qs);
    }
    // The tables are those of a real installation: the verification creates them.
    VerificationTables(commun).VerifierTables();
    velorin_.creerModesPaiement();
    for (const QString& table : {u"prestation"_qs, u"TypeTarif"_qs, u"Tarifs"_qs, u"Contact"_qs, u"Reservation"_qs,
                                 u"Planning"_qs, u"PrestCompl"_qs, u"Repas"_qs, u"DepRec"_qs, u"Remarques"_qs,
                                 u"JoursFerie"_qs, u"options"_qs})
        if (!commun.base().tableExiste(table))
            throw Erreur(u"La table %1 n'a pas pu être créée dans le dossier %2."_qs.arg(table, commun.dossierDonnees()));
    if (!donneesVides(commun.base()))
        throw Erreur(u"Le dossier de données %1 contient déjà des hébergements, des contacts ou des réservations : "
                     "les données de démonstration ne sont écrites que dans un dossier vide."_qs.arg(
                         commun.dossierDonnees()));
    return Generation(velorin_, parametres, progression).executer();
}

} // namespace velorin
