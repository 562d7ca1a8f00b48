/*
 * main.c: the main loop of the remote: scan the keys, send the code, sleep.
 * The key scan, the IR send and the sleep routines are the assembly modules
 * of this project; the key-command table is Table.ASM.
 */

extern unsigned char KEY_INIT(void);
extern unsigned char KEY_SCAN(void);
extern void IR_SEND_KEY(unsigned char key);
extern void IR_SEND_REPEAT(void);
extern void ENTER_SLEEP(void);

static const unsigned char no_key = 0xFF;

/* The watchdog is cleared once per scan. */
static void clear_watchdog(void) { __asm__("CLR WDT"); }

void main(void)
{
    unsigned char key;

    KEY_INIT();
    for (;;) {
        clear_watchdog();
        key = KEY_SCAN();
        if (key == no_key) {
            ENTER_SLEEP();          /* a key press wakes the chip */
            continue;
        }
        IR_SEND_KEY(key);
        while (KEY_SCAN() == key) {
            clear_watchdog();
            IR_SEND_REPEAT();       /* held: repeat frames */
        }
    }
}

