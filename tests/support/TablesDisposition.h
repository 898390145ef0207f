#pragma once

#include "store/BaseDonnees.h"

namespace velorin::test {

// The layout, colour, trace and holiday tables as the schema description creates them.
inline void creerTablesDisposition(BaseDonnees& base)
{
    base.executer(QStringLiteral("CREATE TABLE TaillePos (Ordinateur Char(15), Fenetre Char(50), PosX Integer, "
                                 "PosY Integer, Larg Integer, Haut Integer, Autre Integer)"));
    base.executer(QStringLiteral("CREATE TABLE TailleCols (Ordinateur Char(15), Fenetre Char(50), Grille Char(50), "
                                 "NumCol Integer, Larg Integer)"));
    base.executer(QStringLiteral("CREATE TABLE ColGrille (Ordinateur Char(15), Fenetre Char(50), Grille Char(50), "
                                 "NumOrdre Integer, NomChamp Char(50), Titre Char(50), AffGrille boolean, "
                                 "Larg Integer)"));
    base.executer(QStringLiteral("CREATE TABLE Couleurs (Identifiant Integer, Nom Char(100), Valeur Integer)"));
    base.executer(QStringLiteral("CREATE TABLE Trace (DateEvmt date, HeureEvmt Char(5), Ordinateur Char(15), "
                                 "Utilisat Char(20), Evenement Char(100))"));
    base.executer(QStringLiteral("CREATE TABLE JoursFerie (Identifiant Integer, DateDeb date, DateFin date, "
                                 "Libelle Char(50))"));
}

} // namespace velorin::test
