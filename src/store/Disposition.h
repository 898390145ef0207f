#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include <array>
#include <optional>

namespace velorin {

class DMCommun;

// One window's place: left, top, width, height and one more value the window may use
// (the main window keeps its help panel there). Width and height −2 mean maximised.
struct TDisposition {
    int PosX = -1;
    int PosY = -1;
    int Larg = -1;
    int Haut = -1;
    int Autre = 0;
    bool operator==(const TDisposition&) const = default;
};

// Width of one column of one grid of a window.
struct TLargeurCol {
    QString Grille;
    int NumCol = 0;
    int Larg = 0;
    bool operator==(const TLargeurCol&) const = default;
};

// One column a list may show: its place, the column of the list's data, its title,
// whether the grid shows it and its width.
struct TColonneGrille {
    int NumOrdre = 0;
    QString NomChamp;
    QString Titre;
    bool AffGrille = false;
    int Larg = 0;
    bool operator==(const TColonneGrille&) const = default;
};

// The 21 colour settings; each colour is stored with red in the low byte, green in the
// middle byte and blue in the high byte.
namespace couleurs {

inline constexpr int nombre = 21;

// Name stored in Couleurs.Nom, default value and group of the colours screen, by number.
QString nom(int numero);
int defaut(int numero);
QString groupe(int numero);

QColor versQColor(int valeur);
int depuisQColor(const QColor& couleur);
// "#RRGGBB".
QString versHtml(int valeur);

} // namespace couleurs

using TCouleurs = std::array<int, couleurs::nombre>;
TCouleurs couleursParDefaut();

// What each workstation keeps of its own in the data folder (window places, column widths,
// columns chosen for the lists), the colour settings shared by every workstation, and the
// creation and deletion of holiday periods. The rows of the layout tables are keyed by the
// workstation name. Every operation does nothing, or reports "not found", when its table
// does not exist; a failure is shown (operation name, " : ", error) and has no effect.
class Disposition {
public:
    explicit Disposition(DMCommun& commun);

    void EnregistrerDisposition(const QString& cleFenetre, const QList<TDisposition>& dispositions);
    // Rows of this workstation in key order from cleFenetre + "_0", as long as the window
    // name begins with cleFenetre (another window whose name extends this one may follow:
    // the caller uses the first row).
    std::optional<QList<TDisposition>> LireDisposition(const QString& cleFenetre);

    void EnregistrerLargeurs(const QString& cleFenetre, const QList<TLargeurCol>& largeurs);
    std::optional<QList<TLargeurCol>> LireLargeurs(const QString& cleFenetre);

    void EnregistrerColonnes(const QString& cleFenetre, const QString& grille, const QList<TColonneGrille>& colonnes);
    std::optional<QList<TColonneGrille>> LireColonnes(const QString& cleFenetre, const QString& grille);

    // The stored colours, the defaults for those not stored; a colour missing from the table
    // is added with its default.
    TCouleurs LireCouleurs();
    // False after a database error (shown); without the table nothing is stored, nor said.
    bool EnregistrerCouleurs(const TCouleurs& valeurs);

    // A new holiday record (Libelle empty, no dates yet) whose identifier is returned, 0 on
    // failure. The record is written at once so that no other workstation can take its
    // identifier; the holiday screen completes it, or deletes it when the entry is cancelled.
    int CreerJourFerie();
    void SupprimerJourFerie(int identifiant);

private:
    DMCommun& commun_;
};

} // namespace velorin
