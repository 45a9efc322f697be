// The window tests run inside the program's own application object; the messages its error handler
// would show are collected.

#include "Ajuda.h"
#include "Aplicacao.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    TAplicacao aplicacao(argc, argv);
    TAplicacao::MostraMensagem = [](const QString& m) { MensagensMostradas().push_back(m); };
    return RUN_ALL_TESTS();
}
