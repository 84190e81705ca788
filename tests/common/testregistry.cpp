#include "fixture.h"
#include "testregistry.h"

#include <QApplication>
#include <QTest>
#include <cstring>
#include <iostream>

std::map<std::string, TestRegistry::Factory>& TestRegistry::cases()
{
    static std::map<std::string, Factory> all;
    return all;
}

std::string TestRegistry::caseName(const char* file)
{
    std::string name = file;
    const size_t slash = name.find_last_of('/');
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    const size_t dot = name.find('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

// A class of its own init() or cleanup() would run its tests without the fixture.
static bool usesTheFixture(const QObject& test)
{
    const QMetaObject* meta = test.metaObject();
    for (const char* slot : {"init()", "cleanup()"}) {
        const int index = meta->indexOfMethod(slot);
        if (index >= 0 && meta->method(index).enclosingMetaObject() != &VarnholtTestCase::staticMetaObject)
            return false;
    }
    return true;
}

int TestRegistry::run(int argc, char** argv)
{
    qputenv("VARNHOLT_DRY_RUN", "1");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnholt"));

    std::string only;
    std::vector<char*> args{argv[0]};
    for (int i = 1; i < argc; ++i) {
        if (only.empty() && argv[i][0] != '-' && TestRegistry::cases().count(argv[i]))
            only = argv[i];
        else
            args.push_back(argv[i]);
    }
    if (argc > 1 && argv[1][0] != '-' && only.empty()) {
        std::cerr << "no test case named " << argv[1] << '\n';
        return 2;
    }
    int failed = 0;
    for (const auto& [name, make] : TestRegistry::cases()) {
        if (!only.empty() && name != only)
            continue;
        auto test = make();
        if (!usesTheFixture(*test)) {
            std::cerr << name << ": a test class must not define its own init() or cleanup()\n";
            ++failed;
            continue;
        }
        failed += QTest::qExec(test.get(), int(args.size()), args.data());
    }
    return failed == 0 ? 0 : 1;
}
