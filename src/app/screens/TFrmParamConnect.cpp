#include "app/screens/TFrmParamConnect.h"

#include "app/Dialogues.h"
#include "store/DMCommun.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace velorin {

TFrmParamConnect::TFrmParamConnect(ContexteEcrans& contexte, InfoIni::Connexion genre, QWidget* parent)
    : T_FrmSaisieStd(contexte, parent)
    , genre_(genre)
{
    const bool mail = genre == InfoIni::Connexion::Mail;
    setWindowTitle(mail ? u"Paramètres de connexion à la messagerie"_qs : u"Paramètres de connexion FTP"_qs);
    setWindowFlag(Qt::WindowMinMaxButtonsHint, false);

    auto* disposition = new QVBoxLayout(centre());
    disposition->setContentsMargins(16, 16, 16, 12);
    disposition->setSpacing(12);
    auto* invite = new QLabel(mail ? u"Indiquez les paramètres de connexion à votre compte de messagerie :"_qs
                                   : u"Indiquez les paramètres de connexion à votre serveur FTP :"_qs,
        centre());
    invite->setObjectName(QStringLiteral("lbInvite"));
    invite->setWordWrap(true);
    disposition->addWidget(invite);

    auto* champs = new QFormLayout;
    champs->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    champs->setHorizontalSpacing(10);
    const auto champ = [&](const QString& libelle, const char* nom, const char* nomLibelle) {
        auto* edition = new QLineEdit(centre());
        edition->setObjectName(QLatin1String(nom));
        auto* etiquette = new QLabel(libelle, centre());
        etiquette->setObjectName(QLatin1String(nomLibelle));
        etiquette->setBuddy(edition);
        champs->addRow(etiquette, edition);
        return edition;
    };
    edUtilisateur_ = champ(mail ? u"Adresse de messagerie"_qs : u"Utilisateur"_qs, "edUtilisateur", "lbUtilisateur");
    edMotPasse_ = champ(u"Mot de passe"_qs, "edMotPasse", "lbMotPasse");
    edMotPasse_->setEchoMode(QLineEdit::Password);
    edHote_ = champ(mail ? u"Courrier sortant (SMTP)"_qs : u"Nom serveur"_qs, "edHote", "lbHote");
    edRepDest_ = champ(u"Dossier destination"_qs, "edRepDest", "lbRepDest");
    edPort_ = champ(u"Port"_qs, "edPort", "lbPort");
    champs->setRowVisible(edRepDest_, !mail);
    champs->setRowVisible(edPort_, mail);
    disposition->addLayout(champs);
    disposition->addStretch(1);

    const ParamConnexion lues = commun().info().connexion(genre_);
    edUtilisateur_->setText(lues.utilisateur);
    edMotPasse_->setText(lues.motPasse);
    edHote_->setText(lues.hote);
    edRepDest_->setText(lues.repDest);
    edPort_->setText(lues.port);
    resize(520, 280);
}

ParamConnexion TFrmParamConnect::valeurs() const
{
    return {edUtilisateur_->text(), edMotPasse_->text(), edHote_->text(), edRepDest_->text(), edPort_->text()};
}

bool TFrmParamConnect::Valider()
{
    if (!commun().info().setConnexion(genre_, valeurs())) {
        dialogues().erreur(InfoIni::messageEcritureImpossible());
        return false;
    }
    return true;
}

bool TFrmParamConnect::complet(const ParamConnexion& v)
{
    return !v.utilisateur.isEmpty() && !v.motPasse.isEmpty() && !v.hote.isEmpty();
}

std::optional<ParamConnexion> TFrmParamConnect::Editer(
    ContexteEcrans& contexte, InfoIni::Connexion genre, QWidget* parent)
{
    TFrmParamConnect dialogue(contexte, genre, parent);
    if (dialogue.exec() != QDialog::Accepted) return std::nullopt;
    return dialogue.valeurs();
}

ParamConnexion TFrmParamConnect::Obtenir(ContexteEcrans& contexte, InfoIni::Connexion genre, QWidget* parent)
{
    const ParamConnexion lues = contexte.commun.info().connexion(genre);
    if (complet(lues)) return lues;
    return Editer(contexte, genre, parent).value_or(lues);
}

} // namespace velorin
