// run_scenario DRIVER FILE: runs the tokens of a scenario file through the key-sequence driver and
// checks the members that the file expects after each token.
//
// A scenario file, one statement a line (blank lines and lines from "#" on are ignored):
//   > TOKEN            the next token, performed by the driver
//   MEMBER JSON        after the last token, the driver's report has MEMBER equal to JSON
//   exit N             the driver must exit with status N (default 0); with N other than 0 it
//                      must print no report
#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTextStream>
#include <cstdio>

namespace {

struct Expectation {
    int line;
    QString member;
    QJsonValue value;
};

struct Step {
    QString token;
    QList<Expectation> expectations;
};

struct Scenario {
    QList<Step> steps;
    int exitStatus = 0;
};

int failures = 0;

void fail(const QString& where, const QString& what) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(where), qPrintable(what));
    ++failures;
}

QString compact(const QJsonValue& value) {
    return QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact))
        .mid(1)
        .chopped(1);
}

bool read(const QString& path, Scenario& scenario) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail(path, QStringLiteral("cannot read"));
        return false;
    }
    QTextStream in(&file);
    for (int number = 1; !in.atEnd(); ++number) {
        const QString where = QStringLiteral("%1:%2").arg(path).arg(number);
        const QString line = in.readLine().section(u'#', 0, 0).trimmed();
        if (line.isEmpty()) {
            continue;
        }
        if (line.startsWith(u'>')) {
            scenario.steps.append({line.mid(1).trimmed(), {}});
            continue;
        }
        const QString word = line.section(u' ', 0, 0);
        const QString rest = line.section(u' ', 1).trimmed();
        if (word == u"exit") {
            scenario.exitStatus = rest.toInt();
            continue;
        }
        QJsonParseError error{};
        const QJsonDocument value = QJsonDocument::fromJson('[' + rest.toUtf8() + ']', &error);
        if (error.error != QJsonParseError::NoError || value.array().size() != 1 ||
            scenario.steps.isEmpty()) {
            fail(where, QStringLiteral("expected '> TOKEN', 'exit N' or 'MEMBER JSON'"));
            return false;
        }
        scenario.steps.last().expectations.append({number, word, value.array().first()});
    }
    return true;
}

void check(const QString& path, const Scenario& scenario, const QStringList& reports) {
    for (qsizetype i = 0; i < scenario.steps.size(); ++i) {
        const Step& step = scenario.steps[i];
        if (i >= reports.size()) {
            fail(path, QStringLiteral("token %1 was not performed").arg(step.token));
            continue;
        }
        const QJsonObject report = QJsonDocument::fromJson(reports[i].toUtf8()).object();
        for (const Expectation& expected : step.expectations) {
            const QString where = QStringLiteral("%1:%2").arg(path).arg(expected.line);
            if (!report.contains(expected.member)) {
                fail(where, QStringLiteral("no member %1").arg(expected.member));
            } else if (report[expected.member] != expected.value) {
                fail(where, QStringLiteral("after %1: %2 is %3, expected %4")
                                .arg(step.token, expected.member, compact(report[expected.member]),
                                     compact(expected.value)));
            }
        }
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: run_scenario DRIVER FILE\n");
        return 2;
    }
    const QString& path = arguments[2];
    Scenario scenario;
    if (!read(path, scenario)) {
        return 1;
    }
    QStringList tokens;
    for (const Step& step : scenario.steps) {
        tokens.append(step.token);
    }
    QProcess driver;
    driver.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    driver.start(arguments[1], tokens);
    if (!driver.waitForFinished(60'000) || driver.exitStatus() != QProcess::NormalExit) {
        fail(path, QStringLiteral("the driver did not finish"));
        return 1;
    }
    const QStringList reports =
        QString::fromUtf8(driver.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    if (driver.exitCode() != scenario.exitStatus) {
        fail(path, QStringLiteral("exit status %1, expected %2")
                       .arg(driver.exitCode())
                       .arg(scenario.exitStatus));
    } else if (scenario.exitStatus != 0 && !reports.isEmpty()) {
        fail(path, QStringLiteral("the driver performed tokens before failing"));
    } else if (scenario.exitStatus == 0) {
        check(path, scenario, reports);
    }
    return failures == 0 ? 0 : 1;
}
