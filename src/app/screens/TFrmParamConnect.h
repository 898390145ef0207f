#pragma once

#include "app/Reglages.h"
#include "ui/T_FrmSaisieStd.h"

#include <optional>

class QLabel;
class QLineEdit;

namespace velorin {

// The account of the direct e-mail to guests (info.ini [ParamMail]) or of the FTP
// publication ([ParamFTP]): user, password, server, destination folder and port. Of the
// last two only the kind's own is shown; the other keeps the value it was loaded with.
//
//     if (auto compte = TFrmParamConnect::Editer(contexte, InfoIni::Connexion::Ftp, this)) ...
//     const ParamConnexion compte = TFrmParamConnect::Obtenir(contexte, InfoIni::Connexion::Mail, this);
class TFrmParamConnect : public T_FrmSaisieStd {
    Q_OBJECT
public:
    TFrmParamConnect(ContexteEcrans& contexte, InfoIni::Connexion genre, QWidget* parent = nullptr);

    // Always shows the dialog: the values confirmed by OK (and written), nothing on Cancel.
    static std::optional<ParamConnexion> Editer(
        ContexteEcrans& contexte, InfoIni::Connexion genre, QWidget* parent = nullptr);
    // Reads the section and shows the dialog only when the user, the password or the server is
    // missing: the values read, or those confirmed, or the incomplete ones read when cancelled.
    static ParamConnexion Obtenir(ContexteEcrans& contexte, InfoIni::Connexion genre, QWidget* parent = nullptr);
    static bool complet(const ParamConnexion& valeurs);

    InfoIni::Connexion genre() const { return genre_; }
    // The five fields as they stand.
    ParamConnexion valeurs() const;

protected:
    bool Valider() override;

private:
    InfoIni::Connexion genre_;
    QLineEdit* edUtilisateur_ = nullptr;
    QLineEdit* edMotPasse_ = nullptr;
    QLineEdit* edHote_ = nullptr;
    QLineEdit* edRepDest_ = nullptr;
    QLineEdit* edPort_ = nullptr;
};

} // namespace velorin
