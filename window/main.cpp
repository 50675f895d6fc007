// SPDX-License-Identifier: MIT
#include "application.h"
#include "main_window.h"

int main(int argc, char **argv)
{
    return tenvex::RunApplication(argc, argv, tenvex::MainWindow);
}
