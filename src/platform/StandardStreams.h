// Standard input and output as byte streams.
#pragma once

// Makes standard input and output pass bytes unchanged. On Windows the C runtime opens them
// as text, writing "\n" as "\r\n" and reading "\r\n" as "\n" and Ctrl-Z as the end; data
// such as decoded JSON lines must come out the same on every system. Elsewhere they are
// byte streams already.
void UseBinaryStandardStreams();
