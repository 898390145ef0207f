#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;

namespace velorin {

// Text in the Windows-1252 code page; characters it lacks become '?'.
QByteArray versWindows1252(const QString& texte);

// A minimal worksheet of the BIFF family, little-endian: a beginning-of-file record, one
// text cell record per cell, an end-of-file record. Every cell holds text.
class EcrivainTableur {
public:
    explicit EcrivainTableur(QIODevice& sortie);

    void commencer();
    // Throws Erreur when the row or column does not fit the format.
    void cellule(int ligne, int colonne, const QString& texte);
    void terminer();

private:
    void ecrire(const QByteArray& octets);

    QIODevice& sortie_;
};

// Writes titles on row 0 and nombreLignes records from row 1; ligne(i) gives the texts of
// record i, in the order of the titles; apresLigne(i) is called after each record.
// Throws Erreur.
void ecrireTableur(QIODevice& sortie, const QStringList& titres, int nombreLignes,
                   const std::function<QStringList(int)>& ligne, const std::function<void(int)>& apresLigne = {});

} // namespace velorin
