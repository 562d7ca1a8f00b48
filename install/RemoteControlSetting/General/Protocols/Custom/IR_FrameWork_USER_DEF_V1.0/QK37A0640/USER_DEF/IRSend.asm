;==============================================================================
; IRSend.asm: the user-defined frame of a key, and its repeat.
;==============================================================================
#include "QK37A0640.inc"
#include "Driving.inc"
#include "IR_UserDef.inc"

                PUBLIC  IR_SEND_KEY
                PUBLIC  IR_SEND_REPEAT
                EXTERN  KEY_COMMAND_TABLE : near
                EXTERN  SEND_BITS_Bitcount : near

; Carrier: period and mark in system clocks.
CARRIER_PERIOD  EQU     SYS_CLOCK_KHZ / IR_CarrierFreq
CARRIER_MARK    EQU     CARRIER_PERIOD / IR_CarrierDuty

IR_DATA         .section 'data'
COMMAND         DB      ?
TX_BYTE         DB      ?
BIT_COUNT       DB      ?
FIELD_INDEX     DB      ?
TOGGLE          DB      ?

IR_CODE         .section 'code'
; A = key number: its code is the table entry.
IR_SEND_KEY     PROC
                ADD     A, LOW OFFSET KEY_COMMAND_TABLE
                MOV     TBLP, A
                TABRDL  COMMAND
IF LED_DRV == 1
                SET     LED_IO
ENDIF
                MOV     A, LOW CARRIER_PERIOD
                MOV     REMPL, A
                MOV     A, LOW CARRIER_MARK
                MOV     REMDUTY, A
IF IR_BootCode == 1
IF IR_BootManchester == 1
                MOV     A, HEADER_CODE      ; boot data sent in Manchester units
                MOV     TX_BYTE, A
                MOV     A, IR_BootDataBits
                CALL    SEND_FIELD
ELSE
                CALL    SEND_BOOT           ; boot mark and space
ENDIF
ENDIF
IF START_BIT == 1
                MOV     A, START_BIT_VALUE
                MOV     TX_BYTE, A
                MOV     A, 1
                CALL    SEND_FIELD
ENDIF
IF TOGGLE_BIT == 1
                MOV     A, 1
                XORM    A, TOGGLE
                MOV     A, TOGGLE
                MOV     TX_BYTE, A
                MOV     A, 1
                CALL    SEND_FIELD
ENDIF
                CLR     FIELD_INDEX         ; data fields in send order, bit counts from SEND_BITS
NEXT_FIELD:
                MOV     A, FIELD_INDEX
                ADD     A, LOW OFFSET SEND_BITS_Bitcount
                MOV     TBLP, A
                TABRDL  BIT_COUNT
                CALL    LOAD_FIELD
                MOV     A, BIT_COUNT
                CALL    SEND_FIELD
                INC     FIELD_INDEX
                MOV     A, FIELD_INDEX
                SUB     A, TOTAL_BYTES
                SZ      STATUS.0
                JMP     NEXT_FIELD
IF LED_DRV == 1
                CLR     LED_IO
ENDIF
                RET
IR_SEND_KEY     ENDP

IR_SEND_REPEAT  PROC
IF IR_RepeatCode == 1
IF IR_RepeatAGC == 1
                CALL    SEND_REPEAT_MARK    ; repeat burst only
ENDIF
IF IR_RepeatWhole == 1
                MOV     A, COMMAND
                JMP     IR_SEND_KEY         ; the whole frame again
ENDIF
ENDIF
                RET
IR_SEND_REPEAT  ENDP

; The value of data field FIELD_INDEX: the command, a constant code, inverted when asked.
LOAD_FIELD:
                MOV     A, COMMAND
IF CONST1_ON == 1
                MOV     A, CONST1_VALUE
ENDIF
IF CONST2_ON == 1
                MOV     A, CONST2_VALUE
ENDIF
IF CONST3_ON == 1
                MOV     A, CONST3_VALUE
ENDIF
IF CONST4_ON == 1
                MOV     A, CONST4_VALUE
ENDIF
                MOV     TX_BYTE, A
                RET

; Sends the A bits of TX_BYTE in the protocol's bit order.
SEND_FIELD:
                MOV     BIT_COUNT, A
FIELD_BIT:
IF MSB_FIRST == 1
                RLC     TX_BYTE
ELSE
                RRC     TX_BYTE
ENDIF
                SZ      STATUS.0
                CALL    SEND_ONE
                SNZ     STATUS.0
                CALL    SEND_ZERO
                SDZ     BIT_COUNT
                JMP     FIELD_BIT
                RET

IF IR_Manchester == 1
; Manchester: each bit is two half-bit units of IR_ManchesterTime.
SEND_ONE:
IF IR_Bit0MarkAfter == 1
                CALL    HALF_MARK
                JMP     HALF_SPACE
ELSE
                CALL    HALF_SPACE
                JMP     HALF_MARK
ENDIF
SEND_ZERO:
IF IR_Bit0MarkAfter == 1
                CALL    HALF_SPACE
                JMP     HALF_MARK
ELSE
                CALL    HALF_MARK
                JMP     HALF_SPACE
ENDIF
HALF_MARK:
                CALL    IR_ON
                MOV     A, LOW ((IR_ManchesterTime & 0FFFFH) / 8)
                CALL    WAIT_TICKS
                JMP     IR_OFF
HALF_SPACE:
                MOV     A, LOW ((IR_ManchesterTime & 0FFFFH) / 8)
                JMP     WAIT_TICKS
ELSE
; Pulse coding: a mark and a space per bit.
SEND_ONE:
                CALL    IR_ON
                MOV     A, LOW (IR_Bit1Mark / 8)
                CALL    WAIT_TICKS
                CALL    IR_OFF
                MOV     A, LOW (IR_Bit1Space / 8)
                JMP     WAIT_TICKS
SEND_ZERO:
                CALL    IR_ON
                MOV     A, LOW (IR_Bit0Mark / 8)
                CALL    WAIT_TICKS
                CALL    IR_OFF
                MOV     A, LOW (IR_Bit0Space / 8)
                JMP     WAIT_TICKS
ENDIF
SEND_BOOT:
                CALL    IR_ON
                MOV     A, LOW (IR_BootMark / 8)
                CALL    WAIT_TICKS
                CALL    IR_OFF
                MOV     A, LOW (IR_BootSpace / 8)
                JMP     WAIT_TICKS
SEND_REPEAT_MARK:
                CALL    IR_ON
                MOV     A, LOW (IR_RepeatMark / 8)
                CALL    WAIT_TICKS
                CALL    IR_OFF
                MOV     A, LOW (IR_RepeatSpace / 8)
                JMP     WAIT_TICKS
IR_ON:
IF REM_HL == 1
                SET     REM_EN              ; the REM pin drives the LED, high active
ELSE
                SET     REMDRV_EN           ; the REMDRV driver sinks the LED current
ENDIF
                RET
IR_OFF:
                CLR     REM_EN
                CLR     REMDRV_EN
                RET
; Waits A ticks of 8 microseconds.
WAIT_TICKS:
                MOV     TMR0, A
                SET     T0ON
WAIT_LOOP:
                SNZ     T0F
                JMP     WAIT_LOOP
                CLR     T0F
                CLR     T0ON
                RET

