// The diagnostic log "tk_LOG.txt": every line is appended by opening, writing and closing the
// file, so the file is complete at every moment. The first line of a run starts it afresh. The log
// is only ever a regular file of its own: a link in its place is replaced, never followed, and a
// FIFO or device there is not waited on; when it cannot be written, one line on standard error
// says so and the run goes on without it.
#pragma once

// The log's file, in the working folder.
inline constexpr const char* tk_LOG_FILE_NAME = "tk_LOG.txt";

extern int tk_LOG_on;
extern bool tk_LOG_reset_done;
// Set when the log could not be written; tk_LOG_Reset tries again.
extern bool tk_LOG_given_up;

// A static instance switches the log before the run begins.
struct tk_LOG_Set_struct {
    explicit tk_LOG_Set_struct(int on);
};

void tk_LOG_SetONOFF(int on);
void tk_LOG_Reset(const char* text);
void tk_LOG_Zapis(const char* text);
void tk_LOG_Zapis_F(const char* text, int reset);
// Appends text as it stands (no newline added); false when the log cannot be written.
bool tk_LOG_AppendText(const char* text);

// One line "source(line) : text" with the extra values in square brackets.
void _tk_LOG_(const char* source, int line, const char* text);
void _tk_LOG_(const char* source, int line, const char* text, int a);
void _tk_LOG_(const char* source, int line, const char* text, int a, int b);
void _tk_LOG_(const char* source, int line, const char* text, int a, int b, int c);
void _tk_LOG_(const char* source, int line, const char* text, const char* s);
void _tk_LOG_(const char* source, int line, const char* text, const char* s, int a);

// Logs from the current source file: each .cpp defines TK_MODULE as the module name the log shows.
#define TK_LOG(...) _tk_LOG_(TK_MODULE, __LINE__, __VA_ARGS__)
// Logs an error in the framework's form: "TSKW ERROR: " and the detail in brackets.
#define TK_LOG_ERR(detail) _tk_LOG_(TK_MODULE, __LINE__, "TSKW ERROR: ", detail)
