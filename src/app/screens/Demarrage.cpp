#include "app/screens/Demarrage.h"

#include "app/Dialogues.h"
#include "app/Erreur.h"
#include "app/Horloge.h"
#include "app/Reglages.h"
#include "app/Version.h"
#include "app/screens/ApplicationVelorin.h"
#include "app/screens/SplashScreen.h"
#include "app/screens/TfrmPrincipale.h"
#include "maintenance/SauvegardeAuto.h"
#include "store/DMCommun.h"
#include "store/DMVelorin.h"
#include "store/Droits.h"
#include "store/Reparations.h"
#include "store/VerificationTables.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMainWindow>
#include <QTimer>

namespace velorin {

Q_LOGGING_CATEGORY(lcDemarrage, "velorin.demarrage")

Demarrage::Demarrage(Services services, QString dossierProgramme)
    : services_(services)
    , dossierProgramme_(std::move(dossierProgramme))
{
    creerFenetrePrincipale = [this](DMCommun& commun, DMVelorin& velorin) -> std::unique_ptr<QMainWindow> {
        return std::make_unique<TfrmPrincipale>(ContexteEcrans(commun, velorin, services_));
    };
    boucleEvenements = [] { return QApplication::exec(); };
}

Demarrage::~Demarrage() = default;

int Demarrage::executer()
{
    std::optional<QString> erreur;
    int code = 0;
    try {
        demarrer();
        if (commun_ && commun_->terminaisonDemandee()) {
            // A termination asked for during start-up ends the program once the loop is reached.
            code = 1;
        } else {
            QTimer::singleShot(0, [] { qCInfo(lcDemarrage) << "Boucle d'événements atteinte"; });
            code = boucleEvenements();
            erreur = ApplicationVelorin::prendreErreur();
        }
    } catch (const std::exception& e) {
        erreur = texteErreur(e);
    } catch (...) {
        erreur = QStringLiteral("erreur inconnue");
    }
    splash_.reset();
    if (fenetre_) fenetre_->hide();

    try {
        sauvegardeALaFermeture();
    } catch (const std::exception& e) {
        if (!erreur) erreur = texteErreur(e);
    }

    if (erreur) {
        services_.dialogues.erreur(messageFatal() + *erreur);
        code = 1;
    }
    fenetre_.reset();
    velorin_.reset();
    commun_.reset();
    return code;
}

void Demarrage::demarrer()
{
    // 1. Splash window, painted at once.
    QGuiApplication::setApplicationDisplayName(titreApplication());
    splash_ = std::make_unique<TSplashScreen>();
    splash_->show();
    splash_->repaint();
    QCoreApplication::processEvents();

    // 2. The installation record lives beside the program only.
    droits::relocaliser(dossierProgramme_);

    // 3. Common data module.
    commun_ = std::make_unique<DMCommun>(services_, dossierProgramme_);
    commun_->creer();

    // 4. Business data module.
    velorin_ = std::make_unique<DMVelorin>(*commun_);
    velorin_->creer();

    // 5. to 7. Repairs and verification of the data folder.
    if (!commun_->dossierDonnees().isEmpty() && commun_->base().estOuverte()) {
        reparerColGrille();
        verifierTables();
        reparerDonnees();
    }

    // 8. Main window, with the options it reads already in memory.
    if (!commun_->dossierDonnees().isEmpty() && commun_->base().estOuverte()) velorin_->options().ChargerOptions();
    fenetre_ = creerFenetrePrincipale(*commun_, *velorin_);

    // 9. The splash goes away.
    splash_->close();
    splash_.reset();

    if (fenetre_ && !commun_->terminaisonDemandee()) fenetre_->show();

    // 10. Automatic backup of the day.
    sauvegardeAuDemarrage();

    // 11. No compatibility warning: it concerns another operating-system family.

    // 12. Planning at start.
    if (!commun_->dossierDonnees().isEmpty()) ouvrirPlanning();
}

void Demarrage::reparerColGrille()
{
    Reparations(*commun_, splash_.get()).reparerColGrille();
}

void Demarrage::verifierTables()
{
    VerificationTables verification(*commun_);
    DecisionVerification decision(commun_->dossierDonnees(), texteVersionProgramme(), services_.dialogues,
                                  services_.horloge, [&verification] { return verification.indexManquants(); });
    if (!decision.aVerifier()) return;
    verification.VerifierTables(splash_.get());
    // On a first start the payment modes table did not exist before the verification.
    velorin_->creerModesPaiement();
}

void Demarrage::reparerDonnees()
{
    Reparations(*commun_, splash_.get()).reparerDonnees();
}

void Demarrage::sauvegardeAuDemarrage()
{
    if (!sauvegardeAutoDue(commun_->info(), services_.horloge.aujourdhui())) return;
    if (sauvegarder) sauvegarder(prefixeSauvegardeAuto, true);
}

void Demarrage::ouvrirPlanning()
{
    if (!commun_->base().estOuverte() || !velorin_->options().LireOuvrirPlanning()) return;
    if (auto* principale = qobject_cast<TfrmPrincipale*>(fenetre_.get()))
        principale->ouvrirEntree(EntreeMenu::Planning);
}

void Demarrage::sauvegardeALaFermeture()
{
    InfoIni info(commun_ ? commun_->dossierProgramme() : dossierProgramme_);
    if (!info.sauverFermeture()) return;
    if (sauvegarder) sauvegarder(prefixeSauvegardeFermeture, false);
}

} // namespace velorin
