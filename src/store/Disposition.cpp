#include "store/Disposition.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "store/BaseDonnees.h"
#include "store/DMCommun.h"

#include <QSqlQuery>

#include <algorithm>

namespace velorin {

namespace couleurs {

namespace {
struct Definition {
    const char16_t* nom;
    unsigned rgb; // written as #RRGGBB
    const char16_t* groupe;
};

constexpr std::array<Definition, nombre> definitions{{
    {u"Titre principal de l'application", 0xFCCE45, u"Programme"},
    {u"Sous-titre principal de l'application", 0x475CEF, u"Programme"},
    {u"Couleur 1 des grilles", 0xFFD69C, u"Programme"},
    {u"Couleur 2 des grilles", 0xB4DCFF, u"Programme"},
    {u"Couleur de fond des fenêtres", 0xB7CEE6, u"Programme"},
    {u"Couleur de fond des barres de statut", 0xFEBF3D, u"Programme"},
    {u"Couleur des titres de zones", 0x505CFE, u"Programme"},
    {u"Couleur de fond des jours fériés", 0xF4FE84, u"Jours"},
    {u"Couleur de fond des week-end", 0xDCDCDC, u"Jours"},
    {u"Couleur de fond des jours avec repas", 0xB4FFF0, u"Jours"},
    {u"Couleur de surlignage de la date du jour", 0xFFFFE1, u"Jours"},
    {u"Couleur de texte des réservations non confirmées", 0xFF0000, u"Réservations"},
    {u"Couleur de texte des réservations soldées", 0x000000, u"Réservations"},
    {u"Couleur de texte des réservations non imprimées", 0xFF8000, u"Réservations"},
    {u"Couleur de texte des réservations en option", 0xB66B6B, u"Réservations"},
    {u"Couleur de fond du planning sur internet", 0xFFFFFF, u"Internet"},
    {u"Couleur de fond du texte du planning sur internet", 0x000000, u"Internet"},
    {u"Couleur des hébergements libres sur internet", 0x009F00, u"Internet"},
    {u"Couleur des hébergements occupés sur internet", 0xFA3246, u"Internet"},
    {u"Couleur du trait de grille du planning internet", 0x000000, u"Internet"},
    {u"Couleur de fond des titres de mois du planning", 0xC0C0C0, u"Internet"},
}};

const Definition& definition(int numero) { return definitions.at(static_cast<std::size_t>(numero)); }
} // namespace

QString nom(int numero) { return QString::fromUtf16(definition(numero).nom); }

int defaut(int numero)
{
    const unsigned rgb = definition(numero).rgb;
    return static_cast<int>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16));
}

QString groupe(int numero) { return QString::fromUtf16(definition(numero).groupe); }

QColor versQColor(int valeur) { return QColor(valeur & 0xFF, (valeur >> 8) & 0xFF, (valeur >> 16) & 0xFF); }

int depuisQColor(const QColor& couleur) { return couleur.red() | (couleur.green() << 8) | (couleur.blue() << 16); }

QString versHtml(int valeur)
{
    return QStringLiteral("#%1%2%3")
        .arg(valeur & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((valeur >> 8) & 0xFF, 2, 16, QLatin1Char('0'))
        .arg((valeur >> 16) & 0xFF, 2, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace couleurs

TCouleurs couleursParDefaut()
{
    TCouleurs valeurs{};
    for (int i = 0; i < couleurs::nombre; ++i) valeurs[static_cast<std::size_t>(i)] = couleurs::defaut(i);
    return valeurs;
}

namespace {
bool tablePresente(BaseDonnees& base, const QString& table)
{
    return base.estOuverte() && base.tableExiste(table);
}

// Identifier of a new record: taken inside the caller's write transaction, so that no
// other workstation can take the same one.
int nouvelIdentifiant(BaseDonnees& base, const QString& table)
{
    return base.valeur(QStringLiteral("SELECT MAX(Identifiant) FROM %1").arg(table)).toInt() + 1;
}
} // namespace

Disposition::Disposition(DMCommun& commun) : commun_(commun) {}

void Disposition::EnregistrerDisposition(const QString& cleFenetre, const QList<TDisposition>& dispositions)
{
    BaseDonnees& base = commun_.base();
    try {
        if (!tablePresente(base, QStringLiteral("TaillePos"))) return;
        const QString poste = commun_.nomPoste();
        Transaction transaction(base);
        // A row under the bare key comes from an older version: the rows are numbered now.
        base.executer(QStringLiteral("DELETE FROM TaillePos WHERE Ordinateur = ? COLLATE NOCASE "
                                     "AND Fenetre = ? COLLATE NOCASE"),
                      {poste, cleFenetre});
        for (int n = 0; n < dispositions.size(); ++n) {
            const TDisposition& d = dispositions.at(n);
            const QString fenetre = cleFenetre + QLatin1Char('_') + QString::number(n);
            const QSqlQuery maj = base.executer(
                QStringLiteral("UPDATE TaillePos SET PosX = ?, PosY = ?, Larg = ?, Haut = ?, Autre = ? "
                               "WHERE Ordinateur = ? COLLATE NOCASE AND Fenetre = ? COLLATE NOCASE"),
                {d.PosX, d.PosY, d.Larg, d.Haut, d.Autre, poste, fenetre});
            if (maj.numRowsAffected() > 0) continue;
            base.executer(QStringLiteral("INSERT INTO TaillePos (Ordinateur, Fenetre, PosX, PosY, Larg, Haut, Autre) "
                                         "VALUES (?, ?, ?, ?, ?, ?, ?)"),
                          {poste, fenetre, d.PosX, d.PosY, d.Larg, d.Haut, d.Autre});
        }
        transaction.valider();
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(u"Erreur lors de l'enregistrement de la position de la fenêtre "_qs +
                                            cleFenetre + u" : "_qs + texteErreur(e));
    }
}

std::optional<QList<TDisposition>> Disposition::LireDisposition(const QString& cleFenetre)
{
    BaseDonnees& base = commun_.base();
    try {
        if (!tablePresente(base, QStringLiteral("TaillePos"))) return std::nullopt;
        const QString premiere = cleFenetre + QStringLiteral("_0");
        QSqlQuery requete = base.executer(
            QStringLiteral("SELECT Fenetre, PosX, PosY, Larg, Haut, Autre FROM TaillePos "
                           "WHERE Ordinateur = ? COLLATE NOCASE AND Fenetre >= ? COLLATE NOCASE "
                           "ORDER BY Fenetre COLLATE NOCASE"),
            {commun_.nomPoste(), premiere});
        if (!requete.next() || requete.value(0).toString().compare(premiere, Qt::CaseInsensitive) != 0)
            return std::nullopt;
        QList<TDisposition> dispositions;
        do {
            if (!requete.value(0).toString().startsWith(cleFenetre, Qt::CaseInsensitive)) break;
            dispositions.append({requete.value(1).toInt(), requete.value(2).toInt(), requete.value(3).toInt(),
                                 requete.value(4).toInt(), requete.value(5).toInt()});
        } while (requete.next());
        return dispositions;
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(u"Erreur lors de la lecture de la position de la fenêtre "_qs + cleFenetre +
                                            u" : "_qs + texteErreur(e));
        return std::nullopt;
    }
}

void Disposition::EnregistrerLargeurs(const QString& cleFenetre, const QList<TLargeurCol>& largeurs)
{
    BaseDonnees& base = commun_.base();
    try {
        if (!tablePresente(base, QStringLiteral("TailleCols"))) return;
        const QString poste = commun_.nomPoste();
        Transaction transaction(base);
        base.executer(QStringLiteral("DELETE FROM TailleCols WHERE Ordinateur = ? COLLATE NOCASE "
                                     "AND Fenetre = ? COLLATE NOCASE"),
                      {poste, cleFenetre});
        for (const TLargeurCol& l : largeurs) {
            if (l.Grille.isEmpty()) continue;
            base.executer(QStringLiteral("INSERT INTO TailleCols (Ordinateur, Fenetre, Grille, NumCol, Larg) "
                                         "VALUES (?, ?, ?, ?, ?)"),
                          {poste, cleFenetre, l.Grille, l.NumCol, l.Larg});
        }
        transaction.valider();
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(
            u"Erreur lors de l'enregistrement de la largeur des colonnes de la fenêtre "_qs + cleFenetre + u" : "_qs +
            texteErreur(e));
    }
}

std::optional<QList<TLargeurCol>> Disposition::LireLargeurs(const QString& cleFenetre)
{
    BaseDonnees& base = commun_.base();
    try {
        if (!tablePresente(base, QStringLiteral("TailleCols"))) return std::nullopt;
        // Only this window's rows: a window whose key extends this one keeps its own widths.
        QSqlQuery requete = base.executer(
            QStringLiteral("SELECT Grille, NumCol, Larg FROM TailleCols "
                           "WHERE Ordinateur = ? COLLATE NOCASE AND Fenetre = ? COLLATE NOCASE "
                           "ORDER BY Grille COLLATE NOCASE, rowid"),
            {commun_.nomPoste(), cleFenetre});
        QList<TLargeurCol> largeurs;
        while (requete.next())
            largeurs.append({requete.value(0).toString(), requete.value(1).toInt(), requete.value(2).toInt()});
        if (largeurs.isEmpty()) return std::nullopt;
        return largeurs;
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(u"Erreur lors de la lecture de la largeur des colonnes de la fenêtre "_qs +
                                            cleFenetre + u" : "_qs + texteErreur(e));
        return std::nullopt;
    }
}

void Disposition::EnregistrerColonnes(const QString& cleFenetre, const QString& grille,
                                      const QList<TColonneGrille>& colonnes)
{
    BaseDonnees& base = commun_.base();
    try {
        if (!tablePresente(base, QStringLiteral("ColGrille"))) return;
        const QString poste = commun_.nomPoste();
        Transaction transaction(base);
        base.executer(QStringLiteral("DELETE FROM ColGrille WHERE Ordinateur = ? COLLATE NOCASE "
                                     "AND Fenetre = ? COLLATE NOCASE AND Grille = ? COLLATE NOCASE"),
                      {poste, cleFenetre, grille});
        for (const TColonneGrille& c : colonnes)
            base.executer(QStringLiteral("INSERT INTO ColGrille (Ordinateur, Fenetre, Grille, NumOrdre, NomChamp, "
                                         "Titre, AffGrille, Larg) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
                          {poste, cleFenetre, grille, c.NumOrdre, c.NomChamp, c.Titre, c.AffGrille ? 1 : 0, c.Larg});
        transaction.valider();
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(u"Erreur lors de l'enregistrement des colonnes de la grille "_qs + grille +
                                            u" de la fenêtre "_qs + cleFenetre + u" : "_qs + texteErreur(e));
    }
}

std::optional<QList<TColonneGrille>> Disposition::LireColonnes(const QString& cleFenetre, const QString& grille)
{
    BaseDonnees& base = commun_.base();
    try {
        if (!tablePresente(base, QStringLiteral("ColGrille"))) return std::nullopt;
        QSqlQuery requete = base.executer(
            QStringLiteral("SELECT NumOrdre, NomChamp, Titre, AffGrille, Larg FROM ColGrille "
                           "WHERE Ordinateur = ? COLLATE NOCASE AND Fenetre = ? COLLATE NOCASE "
                           "AND Grille = ? COLLATE NOCASE ORDER BY NumOrdre, rowid"),
            {commun_.nomPoste(), cleFenetre, grille});
        QList<TColonneGrille> colonnes;
        while (requete.next())
            colonnes.append({requete.value(0).toInt(), requete.value(1).toString(), requete.value(2).toString(),
                             requete.value(3).toInt() != 0, requete.value(4).toInt()});
        if (colonnes.isEmpty()) return std::nullopt;
        return colonnes;
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(u"Erreur lors de la lecture des colonnes de la grille "_qs + grille +
                                            u" de la fenêtre "_qs + cleFenetre + u" : "_qs + texteErreur(e));
        return std::nullopt;
    }
}

namespace {
// The stored value of each colour found by its name (ignoring case).
struct CouleursStockees {
    std::array<std::optional<QVariant>, couleurs::nombre> valeurs;
};

CouleursStockees lireTableCouleurs(BaseDonnees& base)
{
    CouleursStockees stockees;
    QSqlQuery requete = base.executer(QStringLiteral("SELECT Nom, Valeur FROM Couleurs ORDER BY Identifiant"));
    while (requete.next()) {
        const QString nom = requete.value(0).toString();
        for (int i = 0; i < couleurs::nombre; ++i) {
            auto& valeur = stockees.valeurs[static_cast<std::size_t>(i)];
            if (!valeur && nom.compare(couleurs::nom(i), Qt::CaseInsensitive) == 0) valeur = requete.value(1);
        }
    }
    return stockees;
}
} // namespace

TCouleurs Disposition::LireCouleurs()
{
    TCouleurs valeurs = couleursParDefaut();
    BaseDonnees& base = commun_.base();
    try {
        if (!tablePresente(base, QStringLiteral("Couleurs"))) return valeurs;
        Transaction transaction(base);
        const CouleursStockees stockees = lireTableCouleurs(base);
        for (int i = 0; i < couleurs::nombre; ++i) {
            const auto& stockee = stockees.valeurs[static_cast<std::size_t>(i)];
            if (stockee) {
                if (!stockee->isNull()) valeurs[static_cast<std::size_t>(i)] = stockee->toInt();
                continue;
            }
            base.executer(QStringLiteral("INSERT INTO Couleurs (Identifiant, Nom, Valeur) VALUES (?, ?, ?)"),
                          {nouvelIdentifiant(base, QStringLiteral("Couleurs")), couleurs::nom(i), couleurs::defaut(i)});
        }
        transaction.valider();
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(u"Erreur lors de la lecture des couleurs : "_qs + texteErreur(e));
    }
    return valeurs;
}

bool Disposition::EnregistrerCouleurs(const TCouleurs& valeurs)
{
    BaseDonnees& base = commun_.base();
    try {
        // Without the table there is nowhere to store them, and nothing is said (as for every
        // layout operation); the colours still apply for this session.
        if (!tablePresente(base, QStringLiteral("Couleurs"))) return true;
        Transaction transaction(base);
        QList<QPair<int, QString>> lignes;
        QSqlQuery requete = base.executer(QStringLiteral("SELECT Identifiant, Nom FROM Couleurs ORDER BY Identifiant"));
        while (requete.next()) lignes.append({requete.value(0).toInt(), requete.value(1).toString()});
        for (int i = 0; i < couleurs::nombre; ++i) {
            const int valeur = valeurs[static_cast<std::size_t>(i)];
            const QString nom = couleurs::nom(i);
            auto ligne = std::find_if(lignes.cbegin(), lignes.cend(), [&nom](const auto& l) {
                return l.second.compare(nom, Qt::CaseInsensitive) == 0;
            });
            if (ligne != lignes.cend())
                base.executer(QStringLiteral("UPDATE Couleurs SET Valeur = ? WHERE Identifiant = ?"),
                              {valeur, ligne->first});
            else
                base.executer(QStringLiteral("INSERT INTO Couleurs (Identifiant, Nom, Valeur) VALUES (?, ?, ?)"),
                              {nouvelIdentifiant(base, QStringLiteral("Couleurs")), nom, valeur});
        }
        transaction.valider();
        return true;
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(u"Erreur lors de l'enregistrement des couleurs : "_qs + texteErreur(e));
        return false;
    }
}

int Disposition::CreerJourFerie()
{
    BaseDonnees& base = commun_.base();
    try {
        if (!tablePresente(base, QStringLiteral("JoursFerie"))) return 0;
        Transaction transaction(base);
        const int identifiant = nouvelIdentifiant(base, QStringLiteral("JoursFerie"));
        base.executer(QStringLiteral("INSERT INTO JoursFerie (Identifiant, Libelle) VALUES (?, ?)"),
                      {identifiant, QStringLiteral("")});
        transaction.valider();
        return identifiant;
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(
            u"Erreur lors de la création d'un nouvel enregistrement dans la table des jours fériés : "_qs +
            texteErreur(e));
        return 0;
    }
}

void Disposition::SupprimerJourFerie(int identifiant)
{
    BaseDonnees& base = commun_.base();
    try {
        if (!tablePresente(base, QStringLiteral("JoursFerie"))) return;
        base.executer(QStringLiteral("DELETE FROM JoursFerie WHERE Identifiant = ?"), {identifiant});
    } catch (const std::exception& e) {
        commun_.services().dialogues.erreur(u"Erreur lors de la suppression dans la table des jours fériés : "_qs +
                                            texteErreur(e));
    }
}

} // namespace velorin
