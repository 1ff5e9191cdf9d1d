#pragma once

// At start-up: when webd.exe is running, asks once whether to stop it. OK
// ends every such process; Cancel closes the window and ends the program
// with exit code 0, so this returns only when start-up may go on.
void ShutdownRunningServer();
