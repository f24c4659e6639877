#pragma once

#include <QString>
#include <functional>
#include <optional>

// The name a file takes in a folder that may already hold a file of its name: its own name,
// else "Copie de " followed by it; nothing when both are taken (nothing is ever replaced).
inline const QString PrefixeCopie = QStringLiteral("Copie de ");
std::optional<QString> NomDansDossier(const QString& nom,
                                      const std::function<bool(const QString&)>& pris);
