#include "net/IdException.h"

EIdSocketError::EIdSocketError(int Error, const std::string& SystemText)
    : EIdException("Erreur de socket # " + std::to_string(Error) + "\r\n" + SystemText),
      LastError(Error) {}

EIdHostNotFound::EIdHostNotFound(const std::string& Host)
    : EIdException("Hôte introuvable : " + Host) {}

EIdConnectTimeout::EIdConnectTimeout() : EIdException("Délai de connexion.") {}

EIdConnClosedGracefully::EIdConnClosedGracefully()
    : EIdException("Connexion fermée par le serveur.") {}
