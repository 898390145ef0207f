#pragma once

#include "app/Services.h"

#include <QString>

#include <functional>
#include <memory>

class QMainWindow;

namespace velorin {

class DMCommun;
class DMVelorin;
class TSplashScreen;

// The program from start to end: splash, data modules, verification and repairs, main
// window, automatic backup, event loop, and the at-close backup that runs whatever
// happened before it.
class Demarrage {
public:
    Demarrage(Services services, QString dossierProgramme);
    ~Demarrage();

    // Runs the whole sequence; returns the program's exit code.
    int executer();

    // Replaceable pieces (tests install their own).
    std::function<std::unique_ptr<QMainWindow>(DMCommun&, DMVelorin&)> creerFenetrePrincipale;
    // Runs a backup with the given name prefix; attendre asks for the user's acknowledgement.
    std::function<void(const QString& prefixe, bool attendre)> sauvegarder;
    std::function<int()> boucleEvenements;

    DMCommun* commun() const { return commun_.get(); }
    DMVelorin* velorin() const { return velorin_.get(); }
    QMainWindow* fenetrePrincipale() const { return fenetre_.get(); }

    static QString titreApplication() { return QStringLiteral("Gestion de chambres d'hôtes"); }
    static QString messageFatal() { return QStringLiteral("Le programme a rencontré un problème, et doit s'arrêter : "); }

private:
    void demarrer();
    void reparerColGrille();
    void verifierTables();
    void reparerDonnees();
    void sauvegardeAuDemarrage();
    void ouvrirPlanning();
    void sauvegardeALaFermeture();

    Services services_;
    QString dossierProgramme_;
    std::unique_ptr<TSplashScreen> splash_;
    std::unique_ptr<DMCommun> commun_;
    std::unique_ptr<DMVelorin> velorin_;
    std::unique_ptr<QMainWindow> fenetre_;
};

} // namespace velorin
