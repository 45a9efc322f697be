// A peer reader: Coin3D's dime (Debian libdime-dev) reads the whole file into its model, then
// the model's entities, block contents included, are counted by kind.
#include <dime/Input.h>
#include <dime/Model.h>
#include <dime/State.h>
#include <dime/entities/Entity.h>

#include <cstdio>
#include <cstring>
#include <map>
#include <string>

namespace {

bool Conta(const dimeState* const, dimeEntity* entidade, void* dados) {
    auto& contagens = *static_cast<std::map<std::string, long>*>(dados);
    ++contagens[entidade->getEntityName()];
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dime_reader FILE\n");
        return 2;
    }
    dimeInput entrada;
    if (!entrada.setFile(argv[1])) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    dimeModel modelo;
    if (!modelo.read(&entrada)) {
        std::fprintf(stderr, "dime could not read %s\n", argv[1]);
        return 1;
    }
    std::map<std::string, long> contagens;
    // Block contents are visited once each; insertions are counted, not expanded.
    modelo.traverseEntities(Conta, &contagens, true, false, true);
    for (const auto& [nome, n] : contagens)
        std::printf("%s %ld\n", nome.c_str(), n);
    return 0;
}
