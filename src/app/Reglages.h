#pragma once

#include "app/FichierIni.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace velorin {

class Dialogues;
class Horloge;
class Plateforme;

// One line of [Sites]: the name shown to the user and its data folder.
struct Site {
    QString nom;
    QString dossier;
};

// Account of [ParamMail] or [ParamFTP].
struct ParamConnexion {
    QString utilisateur;
    QString motPasse;
    QString hote;
    QString repDest;
    QString port;
};

// The four keys of [Missivo], written together by the mail settings screen.
struct ReglagesMessagerie {
    QString nomProgMail;
    bool fermerProg = false;
    bool garderFerme = false;
    bool assistant = false;
};

// info.ini, the settings of the installation, in the program folder.
class InfoIni {
public:
    enum class Connexion { Mail, Ftp };

    explicit InfoIni(const QString& dossierProgramme);
    FichierIni& fichier() { return fichier_; }
    const QString& dossierProgramme() const { return dossierProgramme_; }

    // [SauvegardesAuto]
    bool faireSauvegarde() const;
    void setFaireSauvegarde(bool valeur);
    int nbJours(int defaut = 0) const;
    void setNbJours(int valeur);
    int nbFic(int defaut = 0) const;
    void setNbFic(int valeur);
    QString repDest() const; // default: Sauvegardes in the program folder
    void setRepDest(const QString& dossier);
    bool sauverFermeture() const;
    void setSauverFermeture(bool valeur);
    // Writes NbJours = 7, FaireSauvegarde = 1 and NbFic = 4 when NbJours is absent or 0;
    // returns the number of days to use.
    int nbJoursAvecDefauts();

    // [Reseau]
    QString dossierReseau() const;
    void setDossierReseau(const QString& dossier);
    int frequence() const; // seconds, default 5
    void setFrequence(int secondes);

    // [Missivo]
    ReglagesMessagerie messagerie() const;
    // The setters below return false when info.ini could not be written (nothing changed).
    bool setMessagerie(const ReglagesMessagerie& reglages);
    // The message of a screen whose OK could not write info.ini.
    static QString messageEcritureImpossible();

    // [Sites]: in file order; an empty section first receives Principal = donnees.
    QList<Site> sites();
    bool setSites(const QList<Site>& sites); // erases and rewrites the whole section
    QString dossierSite(const QString& nom) const;

    // [ParamMail] and [ParamFTP]
    ParamConnexion connexion(Connexion genre) const;
    bool setConnexion(Connexion genre, const ParamConnexion& valeurs);
    QString siteAOuvrir(int style) const;
    QString progAOuvrir(int style) const;

private:
    QString dossierProgramme_;
    mutable FichierIni fichier_;
};

// verif.ini, the verification lock and record, in the data folder.
class VerifIni {
public:
    explicit VerifIni(const QString& dossierDonnees);
    FichierIni& fichier() { return fichier_; }

    bool enCours(bool defaut) const;
    QString dateDebut() const;
    bool aFaire() const;
    QString version() const;

    // Lock begin: EnCours = 1 and DateDebut = now ("dd/mm/yyyy à hh:nn:ss ").
    void commencer(const QDateTime& maintenant);
    // Lock end: EnCours = 0, AFaire = 0, Version = the running program's version.
    void terminer(const QString& versionProgramme);
    // End after a failed verification: EnCours = 0 only, so the next start verifies again.
    void abandonner();

private:
    mutable FichierIni fichier_;
};

// The verification decision taken at start-up.
class DecisionVerification {
public:
    // indexManquants: true when the data folder's database lacks an index of the
    // schema description or fails its integrity check.
    DecisionVerification(QString dossierDonnees, QString versionProgramme, Dialogues& dialogues,
                         Horloge& horloge, std::function<bool()> indexManquants);
    bool aVerifier();

    static constexpr int attenteMs = 10000;
    static constexpr int attentesAvantQuestion = 6;

private:
    bool attendreAutrePoste(VerifIni& verif);

    QString dossierDonnees_;
    QString versionProgramme_;
    Dialogues& dialogues_;
    Horloge& horloge_;
    std::function<bool()> indexManquants_;
};

// FicMail.Ini in the data folder: the hand-off file read by the mail assistant.
void ecrireFichierMail(const QString& dossierDonnees, const QString& destinataire, const QString& objet,
                       const QString& fichier, const QStringList& lignesCorps);

// Network data folder of a network installation (may prompt); empty when none was chosen.
QString dossierDonneesReseau(InfoIni& info, Dialogues& dialogues);
// Asks for a network folder; an existing choice is written to [Reseau] Dossier and returned.
QString choisirDossierReseau(InfoIni& info, Dialogues& dialogues);

// Name of the mail assistant's executable in the program folder.
QString nomExecutableMissivo();

// The handling of the user's mail program around a produced document.
class GestionMessagerie {
public:
    GestionMessagerie(InfoIni& info, QString dossierDonnees, Plateforme& plateforme, Horloge& horloge);

    // Before the document: closes the mail program when the settings ask for it.
    void avant();
    // After the document: restarts the mail program when it was closed and must not stay closed.
    void apres();
    // Assistant mode: writes the hand-off file and runs the assistant until it ends.
    // Returns true when the assistant was started.
    bool lancerAssistant(const QString& destinataire, const QString& objet, const QString& fichier,
                         const QStringList& lignesCorps);
    // The whole sequence around a document: avant, produire, apres, and the assistant
    // when avecAssistant is set.
    void autourDuDocument(const std::function<void()>& produire, bool avecAssistant,
                          const QString& destinataire = {}, const QString& objet = {},
                          const QString& fichier = {}, const QStringList& lignesCorps = {});
    // Sends through the system mail interface, with the mail program handled around it.
    bool envoyerMailSysteme(const QString& objet, const QString& corps, const QString& a,
                            const QString& copie = {}, const QString& copieCachee = {});

    bool redemarrageEnAttente() const { return redemarrer_; }

    static constexpr int attenteFermetureMs = 500;
    static constexpr int attenteRedemarrageMs = 2500;

private:
    InfoIni& info_;
    QString dossierDonnees_;
    Plateforme& plateforme_;
    Horloge& horloge_;
    ReglagesMessagerie reglages_;
    bool redemarrer_ = false;
};

} // namespace velorin
