#include "nomwindows.h"

QString NomWindows(int majeure, int mineure, int plateforme) {
    constexpr int NT = 2;
    switch (majeure) {
    case 3:
        return plateforme == NT ? QStringLiteral("WinNT3") : QStringLiteral("Win3x");
    case 4:
        if (plateforme == NT)
            return QStringLiteral("WinNT4");
        switch (mineure) {
        case 0:
            return QStringLiteral("Win95");
        case 10:
            return QStringLiteral("Win98");
        case 90:
            return QStringLiteral("WinME");
        default:
            return {};
        }
    case 5:
        switch (mineure) {
        case 0:
            return QStringLiteral("Win2000");
        case 1:
            return QStringLiteral("WinXP");
        default:
            return {};
        }
    default:
        return QStringLiteral("???");
    }
}
