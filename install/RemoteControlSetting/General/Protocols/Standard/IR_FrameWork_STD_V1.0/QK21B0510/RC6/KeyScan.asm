;==============================================================================
; KeyScan.asm: the key scan of a step keypad or a key matrix.
;==============================================================================
#include "QK21B0510.inc"
#include "Key_Mapping.inc"

                PUBLIC  KEY_INIT
                PUBLIC  KEY_SCAN
                PUBLIC  KEY_CODE

KEY_DATA        .section 'data'
KEY_CODE        DB      ?                   ; the key number found, 0FFH for none
LINE_INDEX      DB      ?
SCAN_MASK       DB      ?
DEBOUNCE        DB      ?

KEY_CODE_SEC    .section 'code'
KEY_INIT        PROC
IF KEYPAD_TYPE == 1
                ; matrix: columns are outputs driven low one by one, rows inputs with pull-ups
                CLR     COL0
                CLR     ROW0C
                SET     ROW0C
ELSE
                ; step keypad: every key line an input with its pull-up, one line low at a time
                SET     KEY0C
ENDIF
                MOV     A, 0FFH
                MOV     PAWU, A             ; any key line wakes the chip
                RET
KEY_INIT        ENDP

; Returns in A the number of the key down (its entry in KEY_COMMAND_TABLE), 0FFH for none.
KEY_SCAN        PROC
                MOV     A, 0FFH
                MOV     KEY_CODE, A
                CLR     LINE_INDEX
IF KEYPAD_TYPE == 1
IF ROWVSS == 1
                ; the first row of keys is tied to VSS: read it with every column high
                CALL    READ_ROWS
                SZ      ACC.7
                JMP     SCAN_COLUMNS
                JMP     KEY_FOUND
ENDIF
SCAN_COLUMNS:
                CLR     COL0                ; drive the column low
                CALL    READ_ROWS           ; A = row number, 0FFH for none
                SNZ     ACC.7
                JMP     KEY_FOUND
                INC     LINE_INDEX
                MOV     A, LINE_INDEX
                SUB     A, ROW_SCAN_LINE
                SZ      STATUS.0
                JMP     SCAN_COLUMNS
                JMP     NO_KEY
READ_ROWS:
                MOV     A, 0FFH
                SNZ     ROW0
                MOV     A, 0
                RET
ELSE
                ; step keypad: drive each line low, read the lines after it
STEP_LINES:
                CLR     KEY0C
                CLR     KEY0
                MOV     A, 0FFH
                SNZ     KEY1
                JMP     KEY_FOUND
                SET     KEY0C
                INC     LINE_INDEX
                JMP     NO_KEY
ENDIF
KEY_FOUND:
                CALL    DEBOUNCE_WAIT
                MOV     A, LINE_INDEX
                MOV     KEY_CODE, A
                RET
NO_KEY:
                MOV     A, 0FFH
                RET
DEBOUNCE_WAIT:
                MOV     A, 20
                MOV     DEBOUNCE, A
DEBOUNCE_LOOP:
                SDZ     DEBOUNCE
                JMP     DEBOUNCE_LOOP
                RET
KEY_SCAN        ENDP

