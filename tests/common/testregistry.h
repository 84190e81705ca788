#pragma once
#include <QObject>
#include <functional>
#include <map>
#include <memory>
#include <string>

// Each test file registers its class under the file's own name, so CTest can
// run every file of a folder's executable as a test of its own.
namespace TestRegistry {
using Factory = std::function<std::unique_ptr<QObject>()>;
std::map<std::string, Factory>& cases();
std::string caseName(const char* file);
// Makes the application and runs the case named by the first argument, or
// every case; the rest of the arguments go to Qt Test.
int run(int argc, char** argv);

template <typename T>
struct Registrar {
    explicit Registrar(const char* file)
    {
        cases()[caseName(file)] = [] { return std::make_unique<T>(); };
    }
};
}

#define VARNHOLT_TEST(Class) static TestRegistry::Registrar<Class> registrar_##Class(__FILE__);
