#include "app/Reglages.h"

#include "app/DatesFr.h"
#include "app/Dialogues.h"
#include "app/Horloge.h"
#include "app/Plateforme.h"

#include <QDir>
#include <QFileInfo>

namespace velorin {

namespace {
const QString sSauvegardes = QStringLiteral("SauvegardesAuto");
const QString sReseau = QStringLiteral("Reseau");
const QString sMissivo = QStringLiteral("Missivo");
const QString sSites = QStringLiteral("Sites");
const QString sVerification = QStringLiteral("Verification");

QString sectionConnexion(InfoIni::Connexion genre)
{
    return genre == InfoIni::Connexion::Mail ? QStringLiteral("ParamMail") : QStringLiteral("ParamFTP");
}
} // namespace

// ---------------------------------------------------------------- info.ini

InfoIni::InfoIni(const QString& dossierProgramme)
    : dossierProgramme_(dossierProgramme)
    , fichier_(QDir(dossierProgramme).filePath(QStringLiteral("info.ini")))
{
}

bool InfoIni::faireSauvegarde() const { return fichier_.lireBooleen(sSauvegardes, u"FaireSauvegarde"_qs, true); }
void InfoIni::setFaireSauvegarde(bool valeur) { fichier_.ecrireBooleen(sSauvegardes, u"FaireSauvegarde"_qs, valeur); }
int InfoIni::nbJours(int defaut) const { return fichier_.lireEntier(sSauvegardes, u"NbJours"_qs, defaut); }
void InfoIni::setNbJours(int valeur) { fichier_.ecrireEntier(sSauvegardes, u"NbJours"_qs, valeur); }
int InfoIni::nbFic(int defaut) const { return fichier_.lireEntier(sSauvegardes, u"NbFic"_qs, defaut); }
void InfoIni::setNbFic(int valeur) { fichier_.ecrireEntier(sSauvegardes, u"NbFic"_qs, valeur); }

QString InfoIni::repDest() const
{
    // Empty means the default; a relative folder is taken from the program folder, never from
    // wherever the program was started.
    const QString defaut = QDir(dossierProgramme_).filePath(QStringLiteral("Sauvegardes"));
    const QString lu = fichier_.lireTexte(sSauvegardes, u"RepDest"_qs, defaut).trimmed();
    if (lu.isEmpty()) return defaut;
    return QDir::isRelativePath(lu) ? QDir(dossierProgramme_).filePath(lu) : lu;
}
void InfoIni::setRepDest(const QString& dossier) { fichier_.ecrireTexte(sSauvegardes, u"RepDest"_qs, dossier); }
bool InfoIni::sauverFermeture() const { return fichier_.lireBooleen(sSauvegardes, u"SauverFermeture"_qs, false); }
void InfoIni::setSauverFermeture(bool valeur) { fichier_.ecrireBooleen(sSauvegardes, u"SauverFermeture"_qs, valeur); }

int InfoIni::nbJoursAvecDefauts()
{
    const int jours = nbJours(0);
    if (jours != 0) return jours;
    fichier_.modifier([](FichierIni::Contenu& c) {
        c.ecrire(sSauvegardes, u"NbJours"_qs, u"7"_qs);
        c.ecrire(sSauvegardes, u"FaireSauvegarde"_qs, u"1"_qs);
        c.ecrire(sSauvegardes, u"NbFic"_qs, u"4"_qs);
    });
    return 7;
}

QString InfoIni::dossierReseau() const { return fichier_.lireTexte(sReseau, u"Dossier"_qs); }
void InfoIni::setDossierReseau(const QString& dossier) { fichier_.ecrireTexte(sReseau, u"Dossier"_qs, dossier); }
int InfoIni::frequence() const { return fichier_.lireEntier(sReseau, u"Frequence"_qs, 5); }
void InfoIni::setFrequence(int secondes) { fichier_.ecrireEntier(sReseau, u"Frequence"_qs, secondes); }

ReglagesMessagerie InfoIni::messagerie() const
{
    ReglagesMessagerie r;
    r.nomProgMail = fichier_.lireTexte(sMissivo, u"NomProgMail"_qs);
    r.fermerProg = fichier_.lireBooleen(sMissivo, u"FermerProg"_qs, false);
    r.garderFerme = fichier_.lireBooleen(sMissivo, u"GarderFerme"_qs, false);
    r.assistant = fichier_.lireBooleen(sMissivo, u"Assistant"_qs, false);
    return r;
}

QString InfoIni::messageEcritureImpossible()
{
    return u"Vos paramètres n'ont pas pu être enregistrés dans le fichier info.ini du dossier du programme."_qs;
}

bool InfoIni::setMessagerie(const ReglagesMessagerie& r)
{
    return fichier_.modifier([&](FichierIni::Contenu& c) {
        const auto booleen = [](bool b) { return b ? u"1"_qs : u"0"_qs; };
        c.ecrire(sMissivo, u"NomProgMail"_qs, r.nomProgMail);
        c.ecrire(sMissivo, u"FermerProg"_qs, booleen(r.fermerProg));
        c.ecrire(sMissivo, u"GarderFerme"_qs, booleen(r.garderFerme));
        c.ecrire(sMissivo, u"Assistant"_qs, booleen(r.assistant));
    });
}

QList<Site> InfoIni::sites()
{
    QList<Site> resultat;
    FichierIni::Contenu contenu;
    fichier_.modifier([&](FichierIni::Contenu& c) {
        if (c.cles(sSites).isEmpty())
            c.ecrire(sSites, u"Principal"_qs, QDir(dossierProgramme_).filePath(QStringLiteral("Donnees")));
        contenu = c;
    });
    for (const QString& nom : contenu.cles(sSites)) resultat.append({nom, contenu.valeur(sSites, nom)});
    return resultat;
}

bool InfoIni::setSites(const QList<Site>& sites)
{
    return fichier_.modifier([&](FichierIni::Contenu& c) {
        c.effacerSection(sSites);
        for (const Site& site : sites) c.ecrire(sSites, site.nom, site.dossier);
    });
}

QString InfoIni::dossierSite(const QString& nom) const { return fichier_.lireTexte(sSites, nom); }

ParamConnexion InfoIni::connexion(Connexion genre) const
{
    const QString s = sectionConnexion(genre);
    return {fichier_.lireTexte(s, u"Utilisateur"_qs), fichier_.lireTexte(s, u"MotPasse"_qs),
            fichier_.lireTexte(s, u"Hote"_qs), fichier_.lireTexte(s, u"RepDest"_qs),
            fichier_.lireTexte(s, u"Port"_qs)};
}

bool InfoIni::setConnexion(Connexion genre, const ParamConnexion& v)
{
    const QString s = sectionConnexion(genre);
    return fichier_.modifier([&](FichierIni::Contenu& c) {
        c.ecrire(s, u"Utilisateur"_qs, v.utilisateur);
        c.ecrire(s, u"MotPasse"_qs, v.motPasse);
        c.ecrire(s, u"Hote"_qs, v.hote);
        c.ecrire(s, u"RepDest"_qs, v.repDest);
        c.ecrire(s, u"Port"_qs, v.port);
    });
}

QString InfoIni::siteAOuvrir(int style) const
{
    return fichier_.lireTexte(sectionConnexion(Connexion::Ftp), u"SiteAOuvrir"_qs + QString::number(style));
}

QString InfoIni::progAOuvrir(int style) const
{
    return fichier_.lireTexte(sectionConnexion(Connexion::Ftp), u"ProgAOuvrir"_qs + QString::number(style));
}

// ---------------------------------------------------------------- verif.ini

VerifIni::VerifIni(const QString& dossierDonnees)
    : fichier_(QDir(dossierDonnees).filePath(QStringLiteral("verif.ini")))
{
}

bool VerifIni::enCours(bool defaut) const { return fichier_.lireBooleen(sVerification, u"EnCours"_qs, defaut); }
QString VerifIni::dateDebut() const { return fichier_.lireTexte(sVerification, u"DateDebut"_qs); }
bool VerifIni::aFaire() const { return fichier_.lireBooleen(sVerification, u"AFaire"_qs, false); }
QString VerifIni::version() const { return fichier_.lireTexte(sVerification, u"Version"_qs); }

void VerifIni::commencer(const QDateTime& maintenant)
{
    fichier_.modifier([&](FichierIni::Contenu& c) {
        c.ecrire(sVerification, u"EnCours"_qs, u"1"_qs);
        c.ecrire(sVerification, u"DateDebut"_qs, dates::formater(u"dd/mm/yyyy à hh:nn:ss "_qs, maintenant));
    });
}

void VerifIni::terminer(const QString& versionProgramme)
{
    fichier_.modifier([&](FichierIni::Contenu& c) {
        c.ecrire(sVerification, u"EnCours"_qs, u"0"_qs);
        c.ecrire(sVerification, u"AFaire"_qs, u"0"_qs);
        c.ecrire(sVerification, u"Version"_qs, versionProgramme);
    });
}

void VerifIni::abandonner() { fichier_.ecrireBooleen(sVerification, u"EnCours"_qs, false); }

// ---------------------------------------------------------------- verification decision

DecisionVerification::DecisionVerification(QString dossierDonnees, QString versionProgramme,
                                           Dialogues& dialogues, Horloge& horloge,
                                           std::function<bool()> indexManquants)
    : dossierDonnees_(std::move(dossierDonnees))
    , versionProgramme_(std::move(versionProgramme))
    , dialogues_(dialogues)
    , horloge_(horloge)
    , indexManquants_(std::move(indexManquants))
{
}

bool DecisionVerification::aVerifier()
{
    VerifIni verif(dossierDonnees_);
    bool reponse;
    if (!verif.fichier().existe()) reponse = true;
    else if (!verif.enCours(false)) reponse = verif.version() != versionProgramme_;
    else reponse = attendreAutrePoste(verif);
    if (!reponse && indexManquants_ && indexManquants_()) reponse = true;
    return reponse;
}

bool DecisionVerification::attendreAutrePoste(VerifIni& verif)
{
    int attentes = 0;
    for (;;) {
        // The window keeps repainting during the wait.
        horloge_.attendre(attenteMs);
        horloge_.traiterEvenements();
        ++attentes;
        if (!verif.enCours(true)) return false;
        if (attentes >= attentesAvantQuestion) {
            const QString texte = u"La vérification des tables est en cours sur un autre poste depuis le "_qs +
                                  verif.dateDebut() + u"."_qs + u"\n"_qs +
                                  u"Souhaitez-vous attendre encore qu'elle soit terminée ? "_qs + u"\n"_qs +
                                  u"OUI : attente   -   NON : forcer l'entrée du programme"_qs;
            if (!dialogues_.question(texte)) return false;
            attentes = 0;
        }
    }
}

// ---------------------------------------------------------------- FicMail.Ini

void ecrireFichierMail(const QString& dossierDonnees, const QString& destinataire, const QString& objet,
                       const QString& fichier, const QStringList& lignesCorps)
{
    FichierIni ini(QDir(dossierDonnees).filePath(QStringLiteral("FicMail.Ini")));
    ini.modifier([&](FichierIni::Contenu& c) {
        c.effacerSection(u"Mail"_qs);
        c.effacerSection(u"Corps"_qs);
        c.ecrire(u"Mail"_qs, u"Destinataire"_qs, destinataire);
        c.ecrire(u"Mail"_qs, u"Objet"_qs, objet);
        c.ecrire(u"Mail"_qs, u"Fichier"_qs, fichier);
        for (int i = 0; i < lignesCorps.size(); ++i)
            c.ecrire(u"Corps"_qs, u"Ligne"_qs + QString::number(i), lignesCorps.at(i));
    });
}

// ---------------------------------------------------------------- network folder

QString dossierDonneesReseau(InfoIni& info, Dialogues& dialogues)
{
    QString dossier = info.dossierReseau();
    if (!dossier.isEmpty() && !QFileInfo(dossier).isDir()) {
        dialogues.avertissement(u"Le programme ne peut pas trouver le dossier réseau suivant : "_qs + u"\n"_qs +
                                dossier + u"\n"_qs + u"Veuillez en sélectionner un autre."_qs);
        dossier.clear();
    }
    if (dossier.isEmpty()) dossier = choisirDossierReseau(info, dialogues);
    return dossier;
}

QString choisirDossierReseau(InfoIni& info, Dialogues& dialogues)
{
    const QString choix = dialogues.choisirDossier(
        u"Sélectionnez le dossier réseau où sont installées vos données"_qs, info.dossierReseau());
    if (choix.isEmpty() || !QFileInfo(choix).isDir()) return {};
    const QString dossier = QDir::cleanPath(choix);
    info.setDossierReseau(dossier);
    return dossier;
}

// ---------------------------------------------------------------- mail program handling

QString nomExecutableMissivo() { return QStringLiteral("missivo"); }

GestionMessagerie::GestionMessagerie(InfoIni& info, QString dossierDonnees, Plateforme& plateforme,
                                     Horloge& horloge)
    : info_(info)
    , dossierDonnees_(std::move(dossierDonnees))
    , plateforme_(plateforme)
    , horloge_(horloge)
{
}

void GestionMessagerie::avant()
{
    reglages_ = info_.messagerie();
    redemarrer_ = false;
    if (reglages_.nomProgMail.isEmpty() || !reglages_.fermerProg) return;
    const qint64 pid = plateforme_.chercherProcessus(QFileInfo(reglages_.nomProgMail).completeBaseName());
    if (pid < 0) return;
    // A program that cannot be ended is simply not restarted.
    if (!plateforme_.terminerProcessus(pid)) return;
    horloge_.attendre(attenteFermetureMs);
    redemarrer_ = !reglages_.garderFerme;
}

void GestionMessagerie::apres()
{
    if (!redemarrer_) return;
    redemarrer_ = false;
    plateforme_.demarrer(reglages_.nomProgMail, {});
    horloge_.attendre(attenteRedemarrageMs);
    plateforme_.amenerAuPremierPlan();
}

bool GestionMessagerie::lancerAssistant(const QString& destinataire, const QString& objet,
                                        const QString& fichier, const QStringList& lignesCorps)
{
    if (!reglages_.assistant) return false;
    const QString programme = QDir(info_.dossierProgramme()).filePath(nomExecutableMissivo());
    if (!QFileInfo::exists(programme)) return false;
    ecrireFichierMail(dossierDonnees_, destinataire, objet, fichier, lignesCorps);
    plateforme_.executerEtAttendre(programme, {}, horloge_);
    return true;
}

void GestionMessagerie::autourDuDocument(const std::function<void()>& produire, bool avecAssistant,
                                         const QString& destinataire, const QString& objet,
                                         const QString& fichier, const QStringList& lignesCorps)
{
    avant();
    if (produire) produire();
    apres();
    if (avecAssistant) lancerAssistant(destinataire, objet, fichier, lignesCorps);
}

bool GestionMessagerie::envoyerMailSysteme(const QString& objet, const QString& corps, const QString& a,
                                           const QString& copie, const QString& copieCachee)
{
    avant();
    const bool ok = plateforme_.envoyerMail(objet, corps, a, copie, copieCachee);
    apres();
    return ok;
}

} // namespace velorin
