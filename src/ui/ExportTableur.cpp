#include "ui/ExportTableur.h"

#include "app/Erreur.h"

#include <QIODevice>

#include <array>

namespace velorin {

namespace {
// Characters of the 0x80-0x9F range of Windows-1252 (0 where the code page has none).
constexpr std::array<char16_t, 32> plage80{
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void ajouter16(QByteArray& octets, int valeur)
{
    octets.append(char(valeur & 0xFF));
    octets.append(char((valeur >> 8) & 0xFF));
}
} // namespace

QByteArray versWindows1252(const QString& texte)
{
    QByteArray octets;
    octets.reserve(texte.size());
    for (const QChar c : texte) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            octets.append(char(u));
            continue;
        }
        char code = '?';
        for (std::size_t i = 0; i < plage80.size(); ++i)
            if (plage80[i] != 0 && plage80[i] == u) code = char(0x80 + i);
        octets.append(code);
    }
    return octets;
}

EcrivainTableur::EcrivainTableur(QIODevice& sortie) : sortie_(sortie) {}

void EcrivainTableur::ecrire(const QByteArray& octets)
{
    if (sortie_.write(octets) != octets.size()) throw Erreur(sortie_.errorString());
}

void EcrivainTableur::commencer()
{
    static const QByteArray debut = QByteArray::fromHex("090808000000100000000000");
    ecrire(debut);
}

void EcrivainTableur::cellule(int ligne, int colonne, const QString& texte)
{
    if (ligne < 0 || ligne > 0xFFFF || colonne < 0 || colonne > 0xFFFF)
        throw Erreur(QStringLiteral("Le tableau dépasse les %1 lignes ou colonnes que le format permet.").arg(0xFFFF + 1));
    QByteArray contenu = versWindows1252(texte);
    // The record length is 16 bits: a longer text is cut.
    if (contenu.size() > 0xFFFF - 8) contenu.truncate(0xFFFF - 8);
    QByteArray enregistrement;
    enregistrement.reserve(12 + contenu.size());
    ajouter16(enregistrement, 0x0204);
    ajouter16(enregistrement, int(contenu.size()) + 8);
    ajouter16(enregistrement, ligne);
    ajouter16(enregistrement, colonne);
    ajouter16(enregistrement, 0);
    ajouter16(enregistrement, int(contenu.size()));
    enregistrement.append(contenu);
    ecrire(enregistrement);
}

void EcrivainTableur::terminer()
{
    static const QByteArray fin = QByteArray::fromHex("0A000000");
    ecrire(fin);
}

void ecrireTableur(QIODevice& sortie, const QStringList& titres, int nombreLignes,
                   const std::function<QStringList(int)>& ligne, const std::function<void(int)>& apresLigne)
{
    EcrivainTableur ecrivain(sortie);
    ecrivain.commencer();
    for (int c = 0; c < titres.size(); ++c) ecrivain.cellule(0, c, titres.at(c));
    for (int i = 0; i < nombreLignes; ++i) {
        const QStringList textes = ligne(i);
        for (int c = 0; c < textes.size(); ++c) ecrivain.cellule(i + 1, c, textes.at(c));
        if (apresLigne) apresLigne(i);
    }
    ecrivain.terminer();
}

} // namespace velorin
