// The window tests run in the program's own application object, its messages collected.

#include "Ajuda.h"
#include "Aplicacao.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    TAplicacao aplicacao(argc, argv);
    TAplicacao::MostraMensagem = [](const QString& m) { MensagensMostradas().push_back(m); };
    return RUN_ALL_TESTS();
}
