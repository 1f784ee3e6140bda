#include "faults.h"

#include <QHash>
#include <QStringList>

namespace olma::vpanel {

namespace {

// Bytes of no meaning, the same for the same seed.
QByteArray noise(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    quint32 x = seed * 2654435761u + 1;
    for (char& b : bytes) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = char(x >> 24);
    }
    return bytes;
}

bool parseNumber(const QString& text, int* value)
{
    bool ok = false;
    *value = text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive) ? text.mid(2).toInt(&ok, 16) : text.toInt(&ok);
    return ok && *value >= 0;
}

} // namespace

bool Faults::add(const QString& fault, int nextRequest, QString* error)
{
    const qsizetype colon = fault.indexOf(QLatin1Char(':'));
    const QString name = fault.left(colon).trimmed().toLower();
    QHash<QString, int> args;
    if (colon >= 0) {
        const QStringList pairs = fault.mid(colon + 1).split(QLatin1Char(','), Qt::SkipEmptyParts);
        for (const QString& pair : pairs) {
            const QStringList kv = pair.split(QLatin1Char('='));
            int value = 0;
            if (kv.size() != 2 || !parseNumber(kv[1].trimmed(), &value)) {
                if (error)
                    *error = QStringLiteral("bad argument \"%1\" in fault \"%2\"").arg(pair, fault);
                return false;
            }
            args.insert(kv[0].trimmed().toLower(), value);
        }
    }
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("fault \"%1\": %2").arg(fault, why);
        return false;
    };
    auto known = [&](const QStringList& keys) {
        for (auto it = args.cbegin(); it != args.cend(); ++it) {
            if (!keys.contains(it.key()))
                return false;
        }
        return true;
    };
    auto match = [&] {
        return RequestMatch{args.value(QStringLiteral("command"), -1), args.value(QStringLiteral("request"), -1)};
    };

    if (name == QLatin1String("error")) {
        if (!known({QStringLiteral("code"), QStringLiteral("command"), QStringLiteral("request")}))
            return fail(QStringLiteral("takes code, command and request"));
        if (!args.contains(QStringLiteral("code")) || args[QStringLiteral("code")] > 255)
            return fail(QStringLiteral("needs an error code 0..255"));
        errors.push_back({match(), args[QStringLiteral("code")]});
    } else if (name == QLatin1String("patch")) {
        if (!known({QStringLiteral("byte"), QStringLiteral("value"), QStringLiteral("command"),
                    QStringLiteral("request")}))
            return fail(QStringLiteral("takes byte, value, command and request"));
        const int byte = args.value(QStringLiteral("byte"), -1);
        const int value = args.value(QStringLiteral("value"), -1);
        if (byte < 0 || byte > 63 || value < 0 || value > 255)
            return fail(QStringLiteral("needs byte 0..63 and value 0..255"));
        patches.push_back({match(), byte, value});
    } else if (name == QLatin1String("silent")) {
        if (!known({QStringLiteral("from")}))
            return fail(QStringLiteral("takes from"));
        silentFrom = std::max(1, args.value(QStringLiteral("from"), nextRequest));
    } else if (name == QLatin1String("split")) {
        if (!known({QStringLiteral("pieces"), QStringLiteral("gap")}))
            return fail(QStringLiteral("takes pieces and gap"));
        const int n = args.value(QStringLiteral("pieces"), 2);
        if (n < 1 || n > 64)
            return fail(QStringLiteral("needs 1..64 pieces"));
        pieces = n;
        gapMs = args.value(QStringLiteral("gap"), 0);
    } else if (name == QLatin1String("latency")) {
        if (!known({QStringLiteral("ms")}) || !args.contains(QStringLiteral("ms")))
            return fail(QStringLiteral("needs ms"));
        latencyMs = args[QStringLiteral("ms")];
    } else if (name == QLatin1String("garbage-before") || name == QLatin1String("garbage-after")) {
        if (!known({QStringLiteral("bytes"), QStringLiteral("seed"), QStringLiteral("command"),
                    QStringLiteral("request")}))
            return fail(QStringLiteral("takes bytes, seed, command and request"));
        const int size = args.value(QStringLiteral("bytes"), 0);
        if (size < 1 || size > 4096)
            return fail(QStringLiteral("needs 1..4096 bytes"));
        garbage.push_back({match(), noise(size, quint32(args.value(QStringLiteral("seed"), 1))),
                           name == QLatin1String("garbage-before")});
    } else if (name == QLatin1String("cut")) {
        if (!known({QStringLiteral("at"), QStringLiteral("gap"), QStringLiteral("command"), QStringLiteral("request")}))
            return fail(QStringLiteral("takes at, gap, command and request"));
        const int at = args.value(QStringLiteral("at"), 0);
        // Past 63 only with noise or a run-on behind the reply: the cut then parts the reply from it.
        if (at < 1 || at > 4095)
            return fail(QStringLiteral("needs a cut at byte 1..4095"));
        cuts.push_back({match(), {at}, args.value(QStringLiteral("gap"), 0)});
    } else if (name == QLatin1String("vanish")) {
        if (!known({QStringLiteral("request"), QStringLiteral("after")}))
            return fail(QStringLiteral("takes request and after"));
        const int after = args.value(QStringLiteral("after"), 0);
        if (after > 63)
            return fail(QStringLiteral("needs after 0..63"));
        vanishAt = std::max(1, args.value(QStringLiteral("request"), nextRequest));
        vanishAfter = after;
    } else if (name == QLatin1String("late")) {
        if (!known({QStringLiteral("ms"), QStringLiteral("command"), QStringLiteral("request")}) ||
            !args.contains(QStringLiteral("ms")))
            return fail(QStringLiteral("needs ms, takes command and request"));
        late.push_back({match(), args[QStringLiteral("ms")]});
    } else if (name == QLatin1String("long")) {
        if (!known({QStringLiteral("bytes"), QStringLiteral("command"), QStringLiteral("request")}))
            return fail(QStringLiteral("takes bytes, command and request"));
        const int size = args.value(QStringLiteral("bytes"), 0);
        if (size < 1 || size > 4096)
            return fail(QStringLiteral("needs 1..4096 bytes"));
        longReplies.push_back({match(), size});
    } else if (name == QLatin1String("corrupt")) {
        if (!known({QStringLiteral("group"), QStringLiteral("index"), QStringLiteral("byte")}) ||
            !args.contains(QStringLiteral("group")) || !args.contains(QStringLiteral("index")))
            return fail(QStringLiteral("needs group and index, takes byte"));
        const int group = args[QStringLiteral("group")];
        const int index = args[QStringLiteral("index")];
        const int byte = args.value(QStringLiteral("byte"), 0);
        if (group > 255 || index > 255 || byte > 59)
            return fail(QStringLiteral("needs group and index 0..255, byte 0..59"));
        corrupt.push_back({group, index, byte});
    } else if (name == QLatin1String("wire-speed")) {
        if (!args.isEmpty())
            return fail(QStringLiteral("takes no arguments"));
        wireSpeed = true;
    } else {
        return fail(QStringLiteral("unknown fault"));
    }
    return true;
}

QString Faults::help()
{
    return QStringLiteral("error:code=N[,command=C][,request=R]  answer with an error reply\n"
                          "patch:byte=I,value=V[,command=C][,request=R]  change one reply byte\n"
                          "silent[:from=R]  answer nothing from request R on\n"
                          "split:pieces=N[,gap=MS]  write each reply in N pieces\n"
                          "latency:ms=MS  wait before each reply\n"
                          "wire-speed  pace every frame as 115200 baud 8N1 would\n"
                          "garbage-before:bytes=N[,seed=S][,command=C][,request=R]  noise before a reply\n"
                          "garbage-after:bytes=N[,seed=S][,command=C][,request=R]  noise after a reply\n"
                          "cut:at=N[,gap=MS][,command=C][,request=R]  write a reply (and its noise) in two pieces\n"
                          "vanish[:request=R][,after=B]  the port disappears at request R, B reply bytes out\n"
                          "late:ms=MS[,command=C][,request=R]  hold matching replies back MS ms more\n"
                          "long:bytes=N[,command=C][,request=R]  matching replies run on N bytes past 64\n"
                          "corrupt:group=G,index=I[,byte=B]  store byte B of configuration block G/I inverted");
}

} // namespace olma::vpanel
